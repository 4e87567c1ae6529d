#pragma once

#include <string_view>

#include "ui/control_table.h"

namespace dawnquill::frm_main {

inline constexpr std::string_view TimerAlarm = "TimerAlarm";
inline constexpr std::string_view TrayIcons = "TrayIcons";
inline constexpr std::string_view cmdToTray = "cmdToTray";
inline constexpr std::string_view cmdEnd = "cmdEnd";
inline constexpr std::string_view Frame2 = "Frame2";
inline constexpr std::string_view txtSnoozeDelay = "txtSnoozeDelay";
inline constexpr std::string_view Label4 = "Label4";
inline constexpr std::string_view Label3 = "Label3";
inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view cmbUur = "cmbUur";
inline constexpr std::string_view cmbMin = "cmbMin";
inline constexpr std::string_view lblStatus = "lblStatus";
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view cmdToggleAlarm = "cmdToggleAlarm";
inline constexpr std::string_view menuTray = "menuTray";
inline constexpr std::string_view mnuTray = "mnuTray";

const FormLayout& Layout();

}  // namespace dawnquill::frm_main
