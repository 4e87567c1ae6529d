#include "core/missed_minute.h"

#include "core/wall_clock.h"

namespace dawnquill {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

int MinutesSince(int hour, int minute, const WallTime& now) {
  return ((now.hour * 60 + now.minute) - (hour * 60 + minute) + kMinutesPerDay) % kMinutesPerDay;
}

bool MinutePassed(int hour, int minute, const WallTime& before, const WallTime& now) {
  const int sinceDue = MinutesSince(hour, minute, now);
  // The latest start of that minute on the wall clock at or before now.
  const std::chrono::local_seconds dueStart =
      WallSeconds({now.hour, now.minute, 0, now.year, now.month, now.day}) -
      std::chrono::minutes{sinceDue};
  return sinceDue <= kLatestRingMinutes && WallSeconds(before) < dueStart;
}

}  // namespace dawnquill
