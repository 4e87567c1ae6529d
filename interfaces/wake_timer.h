#pragma once

#include <chrono>

namespace dawnquill {

// Wakes the computer from sleep at an instant, where the platform lets a program ask for that,
// and has the program run a tick then. A new instant replaces the last.
class WakeTimer {
 public:
  virtual ~WakeTimer() = default;

  virtual void WakeAt(std::chrono::sys_seconds instant) = 0;
  // Harmless when none is set.
  virtual void Cancel() = 0;
};

}  // namespace dawnquill
