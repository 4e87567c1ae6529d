#pragma once

#include <string>

#include "core/global.h"
#include "core/windows.h"
#include "platform/clock.h"
#include "ui/form.h"

namespace dawnquill {

// "HH:MM:SS" on a 24-hour clock.
std::string ClockText(const TimeOfDay& time);

// The wake-up window: a running clock and the two ways out, "Snooze" and "Turn alarm off".
class FrmAlarm final : public Form, public WakeUpWindow {
 public:
  FrmAlarm(FormView& view, Global& global, const Clock& clock)
      : Form(view), global_(global), clock_(clock) {}

  void ShowModal() override;
  void Unload() override { UnloadForm(); }

  void Click(std::string_view control) override;
  bool KeyPress(std::string_view control, std::string_view keyText) override;
  void Timer(std::string_view timer) override;

 protected:
  void Form_Load() override { TimerTijd_Timer(); }
  // Only the user's own close through the frame is refused; the program's unload, a log-off
  // and a shut-down are not.
  bool Form_QueryUnload(CloseReason reason) override { return reason == CloseReason::User; }

 private:
  void TimerTijd_Timer();
  void cmdSnooze_Click();
  void cmdAlarmOff_Click();

  Global& global_;
  const Clock& clock_;
};

}  // namespace dawnquill
