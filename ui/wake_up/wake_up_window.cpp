#include "ui/wake_up/wake_up_window.h"

#include <cstdio>

#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill {

std::string ClockText(const WallTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  return text;
}

void WakeUpWindow::Open() {
  Form::Open();
  view_.ShowModal();
}

// The alarm closes the window once the user has answered.
void WakeUpWindow::Click(ControlId control) {
  if (control == WakeUpControl::SnoozeButton) {
    driver_->Snooze();
  } else if (control == WakeUpControl::TurnOffButton) {
    driver_->TurnOff();
  }
}

// Any key that writes a character snoozes, so a half-awake user can hit anything. Tab writes one
// too but must keep moving the focus.
KeyResult WakeUpWindow::Key(ControlId control, std::string_view keyText) {
  if (control != WakeUpControl::SnoozeButton || keyText.empty() || keyText == "\t") {
    return KeyResult::PassOn;
  }
  driver_->Snooze();
  return KeyResult::Used;
}

void WakeUpWindow::Timer(ControlId timer) {
  if (timer == WakeUpControl::ClockTimer) ShowTime();
}

void WakeUpWindow::ShowTime() { view_.SetText(WakeUpControl::ClockLabel, ClockText(clock_.Now())); }

}  // namespace dawnquill
