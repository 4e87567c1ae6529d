#pragma once

#include <string>

#include "core/alarm_driver.h"
#include "core/window_roles.h"
#include "interfaces/clock.h"
#include "ui/form.h"

namespace dawnquill {

// "HH:MM:SS" on a 24-hour clock.
std::string ClockText(const WallTime& time);

// The wake-up window: a running clock and the two ways out, "Snooze" and "Turn alarm off".
class WakeUpWindow final : public Form, public RingWindow {
 public:
  WakeUpWindow(FormView& view, const Clock& clock) : Form(view), clock_(clock) {}

  // Who hears the user's answer to the ring. Connected once, before the first ring.
  void AnswerTo(AlarmDriver& driver) { driver_ = &driver; }

  void Open() override;
  void Close() override { CloseAsProgram(); }

  void Click(ControlId control) override;
  KeyResult Key(ControlId control, std::string_view keyText) override;
  void Timer(ControlId timer) override;

 protected:
  void OnOpen() override { ShowTime(); }
  // Only the user's own close through the frame is refused; the program's own close and the end of
  // the session are not.
  CloseVerdict OnCloseRequest(CloseReason reason) override {
    return reason == CloseReason::User ? CloseVerdict::Keep : CloseVerdict::Close;
  }

 private:
  void ShowTime();

  AlarmDriver* driver_ = nullptr;
  const Clock& clock_;
};

}  // namespace dawnquill
