#pragma once

#include <windows.h>

#include "backends/win32/win32_countdown.h"
#include "interfaces/tick_timer.h"

namespace dawnquill {

// The program's countdown, set for the rest of the wait to an instant of the system clock. It
// counts at the system's tick, and a shot that comes before the instant by the clock is set
// again for the rest.
class Win32TickTimer final : public TickTimer {
 public:
  explicit Win32TickTimer(HINSTANCE instance) : shot_(instance) {}

  void SetFor(std::chrono::sys_seconds instant) override;
  void CancelTick() override { shot_.Cancel(); }
  void SetEvents(TickTimerEvents* events) override { events_ = events; }

 private:
  void SetForTheRest();

  Win32Countdown shot_;
  TickTimerEvents* events_ = nullptr;
  long long instant_ = 0;  // in FILETIME's steps
};

}  // namespace dawnquill
