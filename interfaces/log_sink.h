#pragma once

#include <string_view>

namespace dawnquill::logger {

// How much a line matters: what happened, what went wrong but was dealt with, what the alarm
// may suffer from.
enum class Level { Info, Warning, Error };

}  // namespace dawnquill::logger

namespace dawnquill {

// Where the program's account of the alarm goes, one line at a time: wherever the platform's
// users and tools look for a program's lines (the journal, a file beside the user's data).
class LogSink {
 public:
  virtual ~LogSink() = default;

  virtual void Line(logger::Level level, std::string_view text) = 0;
};

}  // namespace dawnquill
