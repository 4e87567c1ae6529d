#pragma once

namespace dawnquill {

// Lets the pending events run once, then returns.
class EventPass {
 public:
  virtual ~EventPass() = default;

  virtual void RunPending() = 0;
};

}  // namespace dawnquill
