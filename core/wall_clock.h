#pragma once

#include <chrono>

#include "interfaces/clock.h"

// Arithmetic on the wall clock's own calendar, and between it and UTC.
namespace dawnquill {

// Seconds counted on the wall clock's calendar from 1970-01-01 0:00, as if every day had 24
// hours: the hour skipped in spring still counts as an hour passed, as it does on the clock face.
std::chrono::local_seconds WallSeconds(const WallTime& time);
WallTime WallTimeAt(std::chrono::local_seconds wall);
// What a clock that keeps UTC shows at an instant.
WallTime UtcTimeAt(std::chrono::sys_seconds instant);

// The first instant after `after` at which the wall clock shows hour:minute:00, by the zone's
// rules: on the night the clocks go back, the first of the two; on the night they go forward
// over it, the instant they do.
std::chrono::sys_seconds NextWallMinute(int hour, int minute, std::chrono::sys_seconds after,
                                        const Clock& clock);

}  // namespace dawnquill
