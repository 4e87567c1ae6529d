#pragma once

#include <string_view>

#include "ui/control_table.h"

// The main window's control table and the names of its controls.
namespace dawnquill::main_window {

inline constexpr std::string_view TimerAlarm = "TimerAlarm";
inline constexpr std::string_view cmdToTray = "cmdToTray";
inline constexpr std::string_view cmdEnd = "cmdEnd";
inline constexpr std::string_view fraSnooze = "fraSnooze";
inline constexpr std::string_view txtSnoozeDelay = "txtSnoozeDelay";
inline constexpr std::string_view lblMinutes = "lblMinutes";
inline constexpr std::string_view lblDelay = "lblDelay";
inline constexpr std::string_view fraAlarm = "fraAlarm";
inline constexpr std::string_view cmbHour = "cmbHour";
inline constexpr std::string_view cmbMin = "cmbMin";
inline constexpr std::string_view lblStatus = "lblStatus";
inline constexpr std::string_view lblAlarmStatus = "lblAlarmStatus";
inline constexpr std::string_view lblAlarmTime = "lblAlarmTime";
inline constexpr std::string_view cmdToggleAlarm = "cmdToggleAlarm";
inline constexpr std::string_view menuTray = "menuTray";
inline constexpr std::string_view mnuTray = "mnuTray";

const FormLayout& Layout();

}  // namespace dawnquill::main_window
