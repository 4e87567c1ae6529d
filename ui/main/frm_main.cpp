#include "ui/main/frm_main.h"

#include "core/number_rules.h"
#include "ui/main/frm_main_layout.h"

namespace dawnquill {
namespace fm = frm_main;

bool FrmMain::Start() {
  started_ = true;
  LoadForm();
  if (!Loaded()) return false;
  parts_.trayCallback.ShowMainWindow();
  return true;
}

void FrmMain::Form_Load() {
  for (int hour = 0; hour <= 23; ++hour) view_.AddItem(fm::cmbUur, numbers::TwoDigits(hour));
  for (int minute = 0; minute <= 59; minute += 5) {
    view_.AddItem(fm::cmbMin, numbers::TwoDigits(minute));
  }
  SettingsStore& store = parts_.settings;
  const std::string app = parts_.executable.Name();
  view_.SetText(fm::cmbUur, store.GetSetting(app, kSection, kHourKey, "00"));
  view_.SetText(fm::cmbMin, store.GetSetting(app, kSection, kMinuteKey, "00"));
  const std::string delay = store.GetSetting(app, kSection, kSnoozeDelayKey, "9");
  // A stored delay too large for any sensible value is no delay at all: start from the default.
  parts_.global.SnoozeDelay =
      numbers::WholeValue(numbers::LeadingNumber(delay)).value_or(kDefaultSnoozeDelay);
  view_.SetText(fm::txtSnoozeDelay,
                numbers::NumberText(parts_.global.SnoozeDelay, parts_.global.DecimalSeparator()));
  parts_.tray.FillAndAdd(view_.Handle());
  parts_.tick.TimerAlarm_Timer();
}

// The end of the session is not refused, even with the alarm on: a program that holds up the
// log-off is ended by force a little later, and refusing would gain nothing.
bool FrmMain::Form_QueryUnload(CloseReason reason) {
  const bool alarmOff = parts_.global.AlarmState == AlarmState::Off;
  if (!alarmOff && reason != CloseReason::SessionEnd) {
    parts_.trayCallback.HideMainWindow();
    return true;
  }
  if (alarmOff) {
    parts_.tray.Delete();
    SaveSettings();
  }
  // Cancelling a player prompt nested in a ringing alarm ends the program too; the wake-up
  // window must not outlive the main window.
  parts_.wakeUpWindow.Unload();
  return false;
}

void FrmMain::SaveSettings() {
  Global& global = parts_.global;
  const std::string& separator = global.DecimalSeparator();
  const double delay = numbers::LeadingNumber(view_.Text(fm::txtSnoozeDelay));
  if (delay > 0 && delay < 100) global.SnoozeDelay = *numbers::WholeValue(delay);
  const auto numberTextOf = [&](std::string_view control) {
    return numbers::NumberText(numbers::LeadingNumber(view_.Text(control)), separator);
  };
  const std::string app = parts_.executable.Name();
  SettingsStore& store = parts_.settings;
  store.SaveSetting(app, kSection, kHourKey, numberTextOf(fm::cmbUur));
  store.SaveSetting(app, kSection, kMinuteKey, numberTextOf(fm::cmbMin));
  store.SaveSetting(app, kSection, kSnoozeDelayKey,
                    numbers::NumberText(global.SnoozeDelay, separator));
}

void FrmMain::cmdEnd_Click() {
  parts_.global.TurnAlarmOff();
  Unload();
}

void FrmMain::Click(std::string_view control) {
  if (control == fm::cmdToggleAlarm) {
    parts_.global.cmdToggleAlarm_Click();
  } else if (control == fm::cmdToTray) {
    parts_.trayCallback.cmdToTray_Click();
  } else if (control == fm::cmdEnd) {
    cmdEnd_Click();
  }
}

void FrmMain::Timer(std::string_view timer) {
  if (timer == fm::TimerAlarm) parts_.tick.TimerAlarm_Timer();
}

void FrmMain::MenuClick(std::string_view menu, int index) {
  if (menu == fm::mnuTray) parts_.trayCallback.mnuTray_Click(index);
}

}  // namespace dawnquill
