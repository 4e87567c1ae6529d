#include "ui/wake_up/wake_up_window.h"

#include "core/number_rules.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill {
namespace wu = wake_up_window;

std::string ClockText(const WallTime& time) {
  return numbers::TwoDigits(time.hour) + ":" + numbers::TwoDigits(time.minute) + ":" +
         numbers::TwoDigits(time.second);
}

void WakeUpWindow::ShowModal() {
  LoadForm();
  view_.ShowModal();
}

void WakeUpWindow::Click(std::string_view control) {
  if (control == wu::cmdSnooze) {
    cmdSnooze_Click();
  } else if (control == wu::cmdAlarmOff) {
    cmdAlarmOff_Click();
  }
}

// Any key that writes a character snoozes, so a half-awake user can hit anything. Tab writes one
// too but must keep moving the focus.
bool WakeUpWindow::KeyPress(std::string_view control, std::string_view keyText) {
  if (control != wu::cmdSnooze || keyText.empty() || keyText == "\t") return false;
  cmdSnooze_Click();
  return true;
}

void WakeUpWindow::Timer(std::string_view timer) {
  if (timer == wu::TimerClock) TimerClock_Timer();
}

void WakeUpWindow::TimerClock_Timer() { view_.SetText(wu::lblClock, ClockText(clock_.Now())); }

void WakeUpWindow::cmdSnooze_Click() {
  alarm_.StartSnooze();
  Unload();
}

void WakeUpWindow::cmdAlarmOff_Click() {
  alarm_.TurnAlarmOff();
  Unload();
}

}  // namespace dawnquill
