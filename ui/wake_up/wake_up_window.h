#pragma once

#include <string>

#include "core/alarm.h"
#include "core/window_roles.h"
#include "platform/clock.h"
#include "ui/form.h"

namespace dawnquill {

// "HH:MM:SS" on a 24-hour clock.
std::string ClockText(const WallTime& time);

// The wake-up window: a running clock and the two ways out, "Snooze" and "Turn alarm off".
class WakeUpWindow final : public Form, public ModalWindow {
 public:
  WakeUpWindow(FormView& view, Alarm& alarm, const Clock& clock)
      : Form(view), alarm_(alarm), clock_(clock) {}

  void ShowModal() override;
  void Unload() override { UnloadForm(); }

  void Click(std::string_view control) override;
  bool KeyPress(std::string_view control, std::string_view keyText) override;
  void Timer(std::string_view timer) override;

 protected:
  void Form_Load() override { TimerClock_Timer(); }
  // Only the user's own close through the frame is refused; the program's unload and the end of
  // the session are not.
  bool Form_QueryUnload(CloseReason reason) override { return reason == CloseReason::User; }

 private:
  void TimerClock_Timer();
  void cmdSnooze_Click();
  void cmdAlarmOff_Click();

  Alarm& alarm_;
  const Clock& clock_;
};

}  // namespace dawnquill
