#pragma once

#include <string_view>

namespace dawnquill {

inline constexpr char kWakeUpCaption[] = "Dawnquill - Wake up!";
// The program's name as its tray tip and the wake-up window's caption write it, in a casing of
// their own beside the main window's "DawnQuill".
inline constexpr std::string_view kCasualName(kWakeUpCaption, 9);

}  // namespace dawnquill
