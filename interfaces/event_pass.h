#pragma once

#include <functional>

namespace dawnquill {

// The event loop as the program uses it.
class EventPass {
 public:
  virtual ~EventPass() = default;

  // Runs `work` from the event loop, after the events pending now; never from within this call.
  virtual void Later(std::function<void()> work) = 0;
};

}  // namespace dawnquill
