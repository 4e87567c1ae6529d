#include "ui/main/main_window.h"

#include "core/number_rules.h"
#include "ui/captions.h"
#include "ui/main/main_window_layout.h"

namespace dawnquill {
namespace mw = main_window;

bool MainWindow::Start() {
  started_ = true;
  LoadForm();
  if (!Loaded()) return false;
  parts_.trayCallback.ShowMainWindow();
  return true;
}

void MainWindow::Form_Load() {
  for (int hour = 0; hour <= 23; ++hour) view_.AddItem(mw::cmbHour, numbers::TwoDigits(hour));
  for (int minute = 0; minute <= 59; minute += 5) {
    view_.AddItem(mw::cmbMin, numbers::TwoDigits(minute));
  }
  SettingsStore& store = parts_.settings;
  const std::string app = parts_.executable.Name();
  view_.SetText(mw::cmbHour, store.GetSetting(app, kSection, kHourKey, "00"));
  view_.SetText(mw::cmbMin, store.GetSetting(app, kSection, kMinuteKey, "00"));
  const std::string delay = store.GetSetting(app, kSection, kSnoozeDelayKey, "9");
  // A stored delay too large for any sensible value is no delay at all: start from the default.
  Alarm& alarm = parts_.alarm;
  alarm.SetSnoozeDelay(
      numbers::WholeValue(numbers::LeadingNumber(delay)).value_or(kDefaultSnoozeDelay));
  view_.SetText(mw::txtSnoozeDelay,
                numbers::NumberText(alarm.SnoozeDelay(), alarm.DecimalSeparator()));
  parts_.tray.Add(kCasualName);
  parts_.tick.TimerAlarm_Timer();
}

// While an alarm is on, a log-off or shut-down would silence it: the desktop asks the user
// first, and the window goes to the tray as at any refused close.
bool MainWindow::SessionMayEnd() {
  if (parts_.alarm.State() == AlarmState::Off) return true;
  parts_.trayCallback.HideMainWindow();
  return false;
}

// A session that ends anyway was asked first (SessionMayEnd); refusing now would only get the
// program killed a little later, with nothing saved either way.
bool MainWindow::Form_QueryUnload(CloseReason reason) {
  const bool alarmOff = parts_.alarm.State() == AlarmState::Off;
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

void MainWindow::SaveSettings() {
  Alarm& alarm = parts_.alarm;
  const std::string& separator = alarm.DecimalSeparator();
  const double delay = numbers::LeadingNumber(view_.Text(mw::txtSnoozeDelay));
  if (delay > 0 && delay < 100) alarm.SetSnoozeDelay(*numbers::WholeValue(delay));
  const auto numberTextOf = [&](std::string_view control) {
    return numbers::NumberText(numbers::LeadingNumber(view_.Text(control)), separator);
  };
  const std::string app = parts_.executable.Name();
  SettingsStore& store = parts_.settings;
  store.SaveSetting(app, kSection, kHourKey, numberTextOf(mw::cmbHour));
  store.SaveSetting(app, kSection, kMinuteKey, numberTextOf(mw::cmbMin));
  store.SaveSetting(app, kSection, kSnoozeDelayKey,
                    numbers::NumberText(alarm.SnoozeDelay(), separator));
}

void MainWindow::SetTickTimerEnabled(bool enabled) {
  view_.SetTimerEnabled(mw::TimerAlarm, enabled);
}

void MainWindow::cmdEnd_Click() {
  parts_.alarm.TurnAlarmOff();
  Unload();
}

void MainWindow::Click(std::string_view control) {
  if (control == mw::cmdToggleAlarm) {
    parts_.alarm.cmdToggleAlarm_Click();
  } else if (control == mw::cmdToTray) {
    parts_.trayCallback.cmdToTray_Click();
  } else if (control == mw::cmdEnd) {
    cmdEnd_Click();
  }
}

void MainWindow::Timer(std::string_view timer) {
  if (timer == mw::TimerAlarm) parts_.tick.TimerAlarm_Timer();
}

void MainWindow::MenuClick(std::string_view menu, int index) {
  if (menu == mw::mnuTray) parts_.trayCallback.mnuTray_Click(index);
}

}  // namespace dawnquill
