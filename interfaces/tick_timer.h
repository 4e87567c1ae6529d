#pragma once

#include <chrono>

namespace dawnquill {

class TickTimerEvents;

// Runs a tick at an instant of the wall clock, so that a ring comes on its second rather than at
// the next five-second tick. Its timer may count only the time the computer is awake, and may
// miss a change of the clock: whoever asks sets it again whenever either may have happened. A
// new instant replaces the last; one already passed ticks at once, from the event loop.
class TickTimer {
 public:
  virtual ~TickTimer() = default;

  virtual void SetFor(std::chrono::sys_seconds instant) = 0;
  // Harmless when none is set.
  virtual void CancelTick() = 0;
  virtual void SetEvents(TickTimerEvents* events) = 0;
};

class TickTimerEvents {
 public:
  virtual ~TickTimerEvents() = default;
  // The instant has come by the wall clock; the timer is spent.
  virtual void Tick() = 0;
};

}  // namespace dawnquill
