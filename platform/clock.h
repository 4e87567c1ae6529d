#pragma once

namespace dawnquill {

struct TimeOfDay {
  int hour = 0;    // 0 to 23
  int minute = 0;  // 0 to 59
  int second = 0;  // 0 to 59
};

// The local wall clock.
class Clock {
 public:
  virtual ~Clock() = default;

  virtual TimeOfDay Now() const = 0;
};

}  // namespace dawnquill
