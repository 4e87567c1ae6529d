#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "interfaces/result.h"

namespace dawnquill {

class WakeTimerEvents;

// A wake-up that the platform took. Where the computer cannot wake itself for it, what the user
// may do about that; empty where it wakes.
struct WakeUpSet {
  std::string cannotWake;
};

// Wakes the computer from sleep at an instant, where the platform lets a program ask for that,
// and has the program run a tick then. A new instant replaces the last.
class WakeTimer {
 public:
  // Runs once, from the event loop or before WakeAt returns.
  using Answered = std::function<void(Result<WakeUpSet>)>;

  virtual ~WakeTimer() = default;

  virtual void WakeAt(std::chrono::sys_seconds instant, Answered answered) = 0;
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
