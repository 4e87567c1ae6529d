#pragma once

#include <string_view>

namespace dawnquill {

// Keeps the computer from suspending for inactivity while an alarm is pending, and has the
// desktop ask the user before the session ends then. A suspend the user asks for is never held
// up.
class SleepInhibitor {
 public:
  virtual ~SleepInhibitor() = default;

  // Holds the computer awake, saying why; a new reason replaces the old without a gap.
  virtual void Hold(std::string_view reason) = 0;
  // Harmless when nothing is held.
  virtual void Release() = 0;
};

}  // namespace dawnquill
