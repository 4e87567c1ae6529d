#pragma once

#include <string>

#include "interfaces/clock.h"
#include "interfaces/event_pass.h"
#include "interfaces/log_sink.h"
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
  void Later(std::function<void()> work) override;
};

// Lines in the logging category "dawnquill", on standard error: the journal keeps them for a
// program that the session started.
class QtLogSink final : public LogSink {
 public:
  void Line(std::string_view text) override;
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
