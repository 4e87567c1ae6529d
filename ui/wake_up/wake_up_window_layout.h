#pragma once

#include <string_view>

#include "ui/control_table.h"

// The wake-up window's control table and the names of its controls.
namespace dawnquill::wake_up_window {

inline constexpr std::string_view TimerClock = "TimerClock";
inline constexpr std::string_view cmdAlarmOff = "cmdAlarmOff";
inline constexpr std::string_view cmdSnooze = "cmdSnooze";
inline constexpr std::string_view lblClock = "lblClock";

const FormLayout& Layout();

}  // namespace dawnquill::wake_up_window
