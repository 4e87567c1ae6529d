#pragma once

#include <string_view>

#include "core/texts.h"

namespace dawnquill {

// The alarm's own words where the core and the windows' tables share them: the toggle's two
// captions, and the status line's texts.
inline constexpr Words kTurnOnToggle = Said("toggle", "Turn alarm on");
inline constexpr Words kTurnOffToggle = Said("toggle", "Turn alarm off");
inline constexpr Words kOffStatus = Said("status", "Alarm is off");
inline constexpr Words kArmedStatus = Said("status", "Alarm is on - Time: %1");
inline constexpr Words kSnoozingStatus = Said("status", "Snooze is on - Time: %1");
inline constexpr Words kRingingStatus = Said("status", "Alarm!");
// The program's name as the tray tip and the wake-up window's caption write it, in a casing of
// their own beside the main window's "DawnQuill".
inline constexpr std::string_view kCasualName = "Dawnquill";
// What boxes that are not about the boxes' own input are titled.
inline constexpr std::string_view kProgramName = "DawnQuill";

}  // namespace dawnquill
