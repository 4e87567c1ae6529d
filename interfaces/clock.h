#pragma once

#include <chrono>

namespace dawnquill {

// A reading of the local wall clock with its date, as a person's watch and calendar show it. It
// may jump forward or back between two readings: the machine slept, or the clocks changed.
struct WallTime {
  int hour = 0;    // 0 to 23
  int minute = 0;  // 0 to 59
  int second = 0;  // 0 to 59
  int year = 2000;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
};

// The system clock: the local wall time, and the same moment in UTC, which the clocks changing
// leaves alone and which is what a record that outlives the program keeps.
class Clock {
 public:
  virtual ~Clock() = default;

  virtual WallTime Now() const = 0;
  virtual std::chrono::sys_seconds Utc() const = 0;
  // What the wall clock shows at an instant, by the rules of the user's time zone, the changes of
  // the clocks included.
  virtual WallTime LocalAt(std::chrono::sys_seconds instant) const = 0;
};

}  // namespace dawnquill
