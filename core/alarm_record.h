#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/weekdays.h"

namespace dawnquill {

// A snooze delay is 1 to 99 minutes: two digits in the box.
inline constexpr int kLongestSnoozeDelay = 99;

// What is kept of an alarm that is on, the moment it changes, so that a program started again
// after a crash or a restart carries it on. Instants are UTC, which the clocks changing leaves
// alone.
struct AlarmRecord {
  int hour = 0;  // the alarm's time of day
  int minute = 0;
  int snoozeDelay = 0;
  Weekdays days;                                      // none: once
  std::optional<std::chrono::sys_seconds> snoozeDue;  // while snoozing: the minute it rings at
  std::optional<std::chrono::sys_seconds> rang;       // while ringing: the minute that rang
  std::optional<double> volume;  // while a gentle start runs: the player's level to set back
  std::chrono::sys_seconds written{};

  friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

// One line a person can read in the settings file:
// "7:30 delay 9 days Mon,Fri snooze 2027-03-01T06:40:00Z rang 2027-03-01T06:40:00Z volume 0.9
// written ...".
std::string RecordText(const AlarmRecord& record);
// Nothing for a text that is not such a line (keys it does not know aside), or whose alarm could
// not be turned on: an hour beyond 0 to 23, a minute beyond 0 to 59, a delay beyond 1 to 99.
std::optional<AlarmRecord> ReadRecord(std::string_view text);

}  // namespace dawnquill
