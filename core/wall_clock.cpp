#include "core/wall_clock.h"

#include <optional>

namespace dawnquill {

using namespace std::chrono;

local_seconds WallSeconds(const WallTime& time) {
  const local_days date{year{time.year} / month{static_cast<unsigned>(time.month)} /
                        day{static_cast<unsigned>(time.day)}};
  return date + hours{time.hour} + minutes{time.minute} + seconds{time.second};
}

WallTime WallTimeAt(local_seconds wall) {
  const local_days date = floor<days>(wall);
  const year_month_day ymd{date};
  const hh_mm_ss clock{wall - date};
  return {static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count()),
          static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

WallTime UtcTimeAt(sys_seconds instant) {
  return WallTimeAt(local_seconds{instant.time_since_epoch()});
}

sys_seconds NextWallMinute(int hour, int minute, sys_seconds after, const Clock& clock) {
  const auto wallAt = [&](sys_seconds t) { return WallSeconds(clock.LocalAt(t)); };
  const WallTime today = clock.LocalAt(after);
  local_seconds wall = WallSeconds({hour, minute, 0, today.year, today.month, today.day});
  if (wall <= wallAt(after)) wall += days{1};
  // The zone's offsets a day either side cover any change of the clocks near that time.
  const sys_seconds guess{wall.time_since_epoch()};
  std::optional<sys_seconds> found;
  for (const sys_seconds side : {guess - days{1}, guess + days{1}}) {
    const sys_seconds t = guess - (wallAt(side) - local_seconds{side.time_since_epoch()});
    if (t > after && wallAt(t) == wall && (!found || t < *found)) found = t;
  }
  if (found) return *found;
  // In the hour skipped in spring: the first instant whose wall time is past it.
  sys_seconds low = after, high = guess + days{1};
  while (high - low > seconds{1}) {
    const sys_seconds middle = low + (high - low) / 2;
    (wallAt(middle) >= wall ? high : low) = middle;
  }
  return high;
}

}  // namespace dawnquill
