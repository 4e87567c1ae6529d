#pragma once

#include <string_view>

namespace dawnquill {

// The alarm's own words, wherever the program shows them: the windows, the tray, the desktop's
// notice and the sound server's description of the ring.
inline constexpr std::string_view kRingingStatus = "Alarm!";
inline constexpr std::string_view kTurnOffCaption = "Turn alarm off";
inline constexpr std::string_view kTurnOnCaption = "Turn alarm on";
// The program's name as the tray tip and the wake-up window's caption write it, in a casing of
// their own beside the main window's "DawnQuill".
inline constexpr std::string_view kCasualName = "Dawnquill";
// What boxes that are not about the boxes' own input are titled.
inline constexpr std::string_view kProgramName = "DawnQuill";

}  // namespace dawnquill
