#pragma once

#include <functional>

namespace dawnquill {

// The event loop as the core uses it.
class EventPass {
 public:
  virtual ~EventPass() = default;

  // Lets the pending events run once, then returns.
  virtual void RunPending() = 0;
  // Runs `work` from the event loop, after the events pending now, also inside a modal window's
  // loop; never from within this call.
  virtual void Later(std::function<void()> work) = 0;
};

}  // namespace dawnquill
