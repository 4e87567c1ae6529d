#pragma once

#include <string_view>

#include "ui/control_table.h"

namespace dawnquill::frm_alarm {

inline constexpr std::string_view TimerTijd = "TimerTijd";
inline constexpr std::string_view cmdAlarmOff = "cmdAlarmOff";
inline constexpr std::string_view cmdSnooze = "cmdSnooze";
inline constexpr std::string_view lblTijd = "lblTijd";

const FormLayout& Layout();

}  // namespace dawnquill::frm_alarm
