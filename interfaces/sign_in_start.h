#pragma once

#include "interfaces/result.h"

namespace dawnquill {

// Has the desktop start the program in the notification area at the user's next sign-in, so that
// an alarm that is on still rings after the computer restarts. Kept apart from a start at every
// sign-in that the user may have chosen, which stays the user's.
class SignInStart {
 public:
  virtual ~SignInStart() = default;

  virtual Result<> Enable() = 0;
  // Harmless when it is not enabled.
  virtual Result<> Disable() = 0;
};

}  // namespace dawnquill
