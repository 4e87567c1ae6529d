#pragma once

#include <string_view>

#include "interfaces/result.h"

namespace dawnquill {

// A word to the user that needs no answer and holds nothing up, for when no window can ask: the
// desktop's notification, where a server for them runs; elsewhere the log alone tells it.
class DesktopNotice {
 public:
  virtual ~DesktopNotice() = default;

  // Returns within the call limit: the program may end next.
  virtual Result<> Tell(std::string_view text) = 0;
};

}  // namespace dawnquill
