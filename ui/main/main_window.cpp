#include "ui/main/main_window.h"

#include "core/number_rules.h"
#include "ui/main/main_window_layout.h"

namespace dawnquill {

bool MainWindow::Start(StartShown shown) {
  started_ = true;
  shown_ = shown;
  Open();
  return IsOpen();
}

void MainWindow::OnOpen() {
  for (int hour = 0; hour <= 23; ++hour) {
    view_.AddListItem(MainControl::HourBox, numbers::TwoDigits(hour));
  }
  for (int minute = 0; minute <= 59; minute += 5) {
    view_.AddListItem(MainControl::MinuteBox, numbers::TwoDigits(minute));
  }
  driver_.Start(shown_);
}

CloseVerdict MainWindow::OnCloseRequest(CloseReason reason) {
  driver_.CloseAsked(reason);
  return CloseVerdict::Keep;
}

void MainWindow::Click(ControlId control) {
  if (control == MainControl::ToggleButton) {
    driver_.Toggle();
  } else if (control == MainControl::ToTrayButton) {
    trayMenu_.HideMainWindow();
  } else if (control == MainControl::ExitButton) {
    Exit();
  } else if (control == MainControl::OptionsItem) {
    driver_.OpenOptions();
  } else if (control == MainControl::ShowHideItem) {
    trayMenu_.Choose(TrayCommand::ShowHide);
  } else if (control == MainControl::ExitItem) {
    trayMenu_.Choose(TrayCommand::Exit);
  }
}

void MainWindow::Timer(ControlId timer) {
  if (timer == MainControl::AlarmTimer) driver_.Tick();
}

}  // namespace dawnquill
