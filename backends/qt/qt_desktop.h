#pragma once

#include <map>
#include <string>

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include "interfaces/clock.h"
#include "interfaces/log_sink.h"
#include "interfaces/message_box.h"

namespace dawnquill {

// Message boxes modal to every window of the program, shown without a loop of their own: each
// answer comes from the event loop.
class QtMessageBoxes final : public QObject, public MessageBoxes {
 public:
  BoxId Show(std::string_view prompt, std::string_view title, BoxKind kind, BoxButtons buttons,
             Answered answered) override;
  void Close(BoxId box) override;

 private:
  std::map<BoxId, QPointer<QMessageBox>> open_;
  BoxId shown_ = 0;
};

// Lines in the logging category "dawnquill", on standard error, at the line's level: the journal
// keeps them for a program that the session started.
class QtLogSink final : public LogSink {
 public:
  void Line(logger::Level level, std::string_view text) override;
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
