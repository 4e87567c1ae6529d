#pragma once

#include <chrono>

#include "interfaces/clock.h"

// Arithmetic on the wall clock's own calendar, and between it and UTC.
namespace dawnquill {

// Seconds counted on the wall clock's calendar from 1970-01-01 0:00, as if every day had 24
// hours: the hour skipped in spring still counts as an hour passed, as it does on the clock face.
long long WallSeconds(const WallTime& time);
WallTime WallTimeAt(long long wallSeconds);

// How far the wall clock is ahead of UTC at a reading of both, in whole minutes, since two
// readings taken one after the other may straddle a second.
std::chrono::seconds UtcOffset(const WallTime& wall, std::chrono::sys_seconds utc);

// The wall time at an instant, taken with the offset of the present.
WallTime WallTimeAt(std::chrono::sys_seconds instant, std::chrono::seconds offset);

}  // namespace dawnquill
