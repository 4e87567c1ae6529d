#pragma once

#include <functional>
#include <string_view>

#include "interfaces/result.h"

namespace dawnquill {

// Keeps the computer from suspending for inactivity while an alarm is pending, and has the
// desktop ask the user before the session ends then. A suspend the user asks for is never held
// up.
class SleepInhibitor {
 public:
  // What is kept awake: the computer, or while it rings the screen as well, turned on if it slept.
  enum class Awake { Computer, ComputerAndScreen };
  // Runs once, from the event loop or before Hold returns, unless a newer Hold or a Release came
  // first.
  using Answered = std::function<void(Result<>)>;

  virtual ~SleepInhibitor() = default;

  // Holds the computer awake, saying why; a new hold replaces the old without a gap.
  virtual void Hold(std::string_view reason, Awake awake, Answered answered) = 0;
  // Harmless when nothing is held.
  virtual void Release() = 0;
};

}  // namespace dawnquill
