#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/sleep_inhibitor.h"

namespace dawnquill {

// Modal message boxes with the system's flags: OK or Retry and Cancel, the warning or the
// information icon.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  BoxAnswer Show(std::string_view prompt, std::string_view title, BoxKind kind,
                 BoxButtons buttons) override;
};

class Win32EventPass final : public EventPass {
 public:
  void DoEvents() override;
};

class Win32Clock final : public Clock {
 public:
  WallTime Now() const override;
};

// Keeps the system from sleeping for inactivity while held; a sleep the user asks for goes ahead.
class Win32SleepInhibitor final : public SleepInhibitor {
 public:
  ~Win32SleepInhibitor() override { Release(); }
  void Hold(std::string_view reason) override;
  void Release() override;
};

// The user's decimal separator, for numbers the program writes.
std::string LocaleDecimalSeparator();

}  // namespace dawnquill
