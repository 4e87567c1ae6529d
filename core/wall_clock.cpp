#include "core/wall_clock.h"

namespace dawnquill {

using namespace std::chrono;

long long WallSeconds(const WallTime& time) {
  const sys_days date{year{time.year} / month{static_cast<unsigned>(time.month)} /
                      day{static_cast<unsigned>(time.day)}};
  return ((date.time_since_epoch().count() * 24LL + time.hour) * 60 + time.minute) * 60 +
         time.second;
}

WallTime WallTimeAt(long long wallSeconds) {
  const sys_seconds at{seconds{wallSeconds}};
  const sys_days date = floor<days>(at);
  const year_month_day ymd{date};
  const hh_mm_ss clock{at - date};
  return {static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count()),
          static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

seconds UtcOffset(const WallTime& wall, sys_seconds utc) {
  const long long difference = WallSeconds(wall) - utc.time_since_epoch().count();
  return round<minutes>(seconds{difference});
}

WallTime WallTimeAt(sys_seconds instant, seconds offset) {
  return WallTimeAt((instant + offset).time_since_epoch().count());
}

}  // namespace dawnquill
