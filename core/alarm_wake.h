#pragma once

#include <chrono>
#include <optional>

#include "core/alarm.h"
#include "interfaces/clock.h"
#include "interfaces/sleep_inhibitor.h"
#include "interfaces/wake_timer.h"

namespace dawnquill {

// What keeps the computer awake for a pending alarm, and wakes it from sleep for the next ring.
class AlarmWake {
 public:
  AlarmWake(WakeTimer& timer, SleepInhibitor& inhibitor, const Clock& clock)
      : timer_(timer), inhibitor_(inhibitor), clock_(clock) {}

  // Held while the alarm is on, the screen too while it rings; let go once it is off.
  void Hold(const Alarm& alarm);
  // Sets the wake timer for the next ring, or cancels it: at every change, and whenever the
  // platform may have lost it (a resume, a suspend, the clock set).
  void Schedule(const Alarm& alarm);
  // After a tick that did not ring: a wake-up that has called back, or whose instant passed
  // without a ring (a minute missed by over an hour), is set again for the next ring.
  void RenewIfSpent(const Alarm& alarm);
  // The platform woke the computer for the wake-up set last, and forgot it.
  void Spent() { set_.reset(); }

 private:
  WakeTimer& timer_;
  SleepInhibitor& inhibitor_;
  const Clock& clock_;
  std::optional<std::chrono::sys_seconds> set_;  // the wake-up asked for last, if any
};

}  // namespace dawnquill
