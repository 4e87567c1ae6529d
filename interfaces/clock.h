#pragma once

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

// The local wall clock.
class Clock {
 public:
  virtual ~Clock() = default;

  virtual WallTime Now() const = 0;
};

}  // namespace dawnquill
