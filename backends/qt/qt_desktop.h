#pragma once

#include <string>

#include "interfaces/clock.h"
#include "interfaces/event_pass.h"
#include "interfaces/message_box.h"

namespace dawnquill {

class QtMessageBoxes final : public MessageBoxes {
 public:
  BoxAnswer Show(std::string_view prompt, std::string_view title, BoxKind kind,
                 BoxButtons buttons) override;
};

class QtEventPass final : public EventPass {
 public:
  void RunPending() override;
};

class QtClock final : public Clock {
 public:
  WallTime Now() const override;
  std::chrono::sys_seconds Utc() const override;
  WallTime LocalAt(std::chrono::sys_seconds instant) const override;
};

// The user's decimal separator, for numbers the program writes.
std::string LocaleDecimalSeparator();

}  // namespace dawnquill
