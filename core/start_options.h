#pragma once

#include <span>
#include <string_view>

namespace dawnquill {

// What the command line asks of a start. The start at sign-in passes --tray; a start from the
// menu passes nothing. Anything else is ignored, as a desktop launcher may add its own.
struct StartOptions {
  bool inTray = false;  // start in the notification area, and end silently if a copy runs
};

StartOptions ReadStartOptions(std::span<const std::string_view> arguments);

inline constexpr std::string_view kInTrayOption = "--tray";

}  // namespace dawnquill
