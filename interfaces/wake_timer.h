#pragma once

#include <chrono>

namespace dawnquill {

class WakeTimerEvents;

// Wakes the computer from sleep at an instant, where the platform lets a program ask for that,
// and has the program run a tick then. A new instant replaces the last.
class WakeTimer {
 public:
  virtual ~WakeTimer() = default;

  virtual void WakeAt(std::chrono::sys_seconds instant) = 0;
  // Harmless when none is set.
  virtual void Cancel() = 0;
  virtual void SetEvents(WakeTimerEvents* events) = 0;
};

// What the wake timer reports.
class WakeTimerEvents {
 public:
  virtual ~WakeTimerEvents() = default;
  // The computer woke for the instant asked; the platform forgot it.
  virtual void Woken() = 0;
};

}  // namespace dawnquill
