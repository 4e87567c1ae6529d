#pragma once

#include <chrono>
#include <functional>

namespace dawnquill {

// Runs `done` once from the event loop after `delay`; a new start replaces the one under way.
// For the short waits of a ring, in which the computer does not sleep.
class Countdown {
 public:
  virtual ~Countdown() = default;
  virtual void Start(std::chrono::milliseconds delay, std::function<void()> done) = 0;
};

}  // namespace dawnquill
