#pragma once

#include <string_view>

namespace dawnquill {

// The alarm's own words, wherever the program shows them: the windows, the tray, the desktop's
// notice and the sound server's description of the ring.
inline constexpr std::string_view kRingingStatus = "Alarm!";
inline constexpr std::string_view kTurnOffCaption = "Turn alarm off";
inline constexpr std::string_view kTurnOnCaption = "Turn alarm on";

}  // namespace dawnquill
