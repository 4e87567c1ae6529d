#pragma once

#include <chrono>
#include <functional>

namespace dawnquill {

// Calls back once, from the event loop, after a delay; a new delay replaces the one pending.
class Countdown {
 public:
  virtual ~Countdown() = default;

  virtual void After(std::chrono::milliseconds delay, std::function<void()> due) = 0;
  // Harmless when none is pending.
  virtual void Cancel() = 0;
};

}  // namespace dawnquill
