#include "core/missed_minute.h"

#include <chrono>

namespace dawnquill {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

// Counted on the wall clock's own calendar, so that the hour skipped in spring still counts as
// an hour passed, as it does on the clock face.
long long WallSeconds(const WallTime& time) {
  using namespace std::chrono;
  const sys_days date{year{time.year} / month{static_cast<unsigned>(time.month)} /
                      day{static_cast<unsigned>(time.day)}};
  return ((date.time_since_epoch().count() * 24LL + time.hour) * 60 + time.minute) * 60 +
         time.second;
}

}  // namespace

bool MinutePassed(int hour, int minute, const WallTime& before, const WallTime& now) {
  const int sinceDue =
      ((now.hour * 60 + now.minute) - (hour * 60 + minute) + kMinutesPerDay) % kMinutesPerDay;
  // The latest start of that minute on the wall clock at or before now.
  const long long dueStart =
      WallSeconds({now.hour, now.minute, 0, now.year, now.month, now.day}) - sinceDue * 60LL;
  return sinceDue <= kLatestRingMinutes && WallSeconds(before) < dueStart;
}

}  // namespace dawnquill
