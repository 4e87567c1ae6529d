#pragma once

#include <string_view>

namespace dawnquill {

// Keeps the computer from suspending for inactivity while an alarm is pending, and has the
// desktop ask the user before the session ends then. A suspend the user asks for is never held
// up.
class SleepInhibitor {
 public:
  // What is kept awake: the computer, or while it rings the screen as well, turned on if it slept.
  enum class Awake { Computer, ComputerAndScreen };

  virtual ~SleepInhibitor() = default;

  // Holds the computer awake, saying why; a new hold replaces the old without a gap.
  virtual void Hold(std::string_view reason, Awake awake) = 0;
  // Harmless when nothing is held.
  virtual void Release() = 0;
};

}  // namespace dawnquill
