#include "ui/main/main_window.h"

#include "core/logger.h"
#include "core/number_rules.h"
#include "ui/captions.h"
#include "ui/main/main_window_layout.h"

namespace dawnquill {

bool MainWindow::Start(StartShown shown) {
  started_ = true;
  Open();
  if (!IsOpen()) return false;
  if (shown == StartShown::InTray) {
    with_.trayMenu.StartHidden();
  } else {
    with_.trayMenu.ShowMainWindow();
  }
  return true;
}

void MainWindow::OnOpen() {
  for (int hour = 0; hour <= 23; ++hour) {
    view_.AddListItem(MainControl::HourBox, numbers::TwoDigits(hour));
  }
  for (int minute = 0; minute <= 59; minute += 5) {
    view_.AddListItem(MainControl::MinuteBox, numbers::TwoDigits(minute));
  }
  const Settings stored = with_.settings.Read();
  view_.SetText(MainControl::HourBox, stored.hour);
  view_.SetText(MainControl::MinuteBox, stored.minute);
  // A stored delay too large for any sensible value is no delay at all: start from the default.
  Alarm& alarm = with_.alarm;
  alarm.SetSnoozeDelay(numbers::WholeValue(numbers::LeadingNumber(stored.snoozeDelay))
                           .value_or(kDefaultSnoozeDelay));
  view_.SetText(MainControl::DelayBox,
                numbers::NumberText(alarm.SnoozeDelay(), alarm.DecimalSeparator()));
  with_.tray.Add(kCasualName);
  with_.driver.RestoreKept();
  with_.tick.Tick();
}

// While an alarm is on, a log-off or shut-down would silence it: the desktop asks the user
// first, and the window goes to the tray as at any refused close.
bool MainWindow::SessionMayEnd() {
  if (with_.alarm.State() == AlarmState::Off) return true;
  with_.trayMenu.HideMainWindow();
  return false;
}

// A session that ends anyway was asked first (SessionMayEnd); refusing now would only get the
// program killed a little later, with nothing saved either way.
CloseVerdict MainWindow::OnCloseRequest(CloseReason reason) {
  const bool alarmOff = with_.alarm.State() == AlarmState::Off;
  if (!alarmOff && reason != CloseReason::SessionEnd) {
    with_.trayMenu.HideMainWindow();
    return CloseVerdict::Keep;
  }
  if (alarmOff) {
    with_.tray.Delete();
    SaveSettings(reason);
  }
  // Cancelling a player prompt nested in a ringing alarm ends the program too; the wake-up
  // window must not outlive the main window.
  with_.wakeUpWindow.Close();
  return CloseVerdict::Close;
}

void MainWindow::SaveSettings(CloseReason reason) {
  Alarm& alarm = with_.alarm;
  const std::string& separator = alarm.DecimalSeparator();
  const double delay = numbers::LeadingNumber(view_.Text(MainControl::DelayBox));
  if (delay > 0 && delay < 100) alarm.SetSnoozeDelay(*numbers::WholeValue(delay));
  const auto numberTextOf = [&](MainControl control) {
    return numbers::NumberText(numbers::LeadingNumber(view_.Text(control)), separator);
  };
  const std::string failure =
      with_.settings.Write({.hour = numberTextOf(MainControl::HourBox),
                            .minute = numberTextOf(MainControl::MinuteBox),
                            .snoozeDelay = numbers::NumberText(alarm.SnoozeDelay(), separator)});
  if (failure.empty()) return;
  const std::string what = "The alarm time and snooze delay could not be saved.";
  logger::Write({what, " ", failure});
  // The program ends right after: the user must hear now that the settings are lost. At a
  // session's end nobody may be there to answer a box, and the end must not wait for one.
  if (reason == CloseReason::SessionEnd) return with_.notice.Tell(what + "\n" + failure);
  with_.messageBoxes.Show(what + "\n\n" + failure, main_window::Layout().caption, BoxKind::Warning,
                          BoxButtons::Ok);
}

void MainWindow::SetTickTimerEnabled(bool enabled) {
  view_.SetTimerEnabled(MainControl::AlarmTimer, enabled);
}

void MainWindow::Exit() {
  with_.driver.TurnOff();
  Close();
}

void MainWindow::Click(ControlId control) {
  if (control == MainControl::ToggleButton) {
    with_.driver.Toggle();
  } else if (control == MainControl::ToTrayButton) {
    ToTray();
  } else if (control == MainControl::ExitButton) {
    Exit();
  } else if (control == MainControl::ShowHideItem) {
    with_.trayMenu.Choose(TrayCommand::ShowHide);
  } else if (control == MainControl::ExitItem) {
    with_.trayMenu.Choose(TrayCommand::Exit);
  }
}

void MainWindow::Timer(ControlId timer) {
  if (timer == MainControl::AlarmTimer) with_.tick.Tick();
}

}  // namespace dawnquill
