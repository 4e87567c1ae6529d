#pragma once

#include "interfaces/clock.h"

namespace dawnquill {

// How late an alarm may still ring for a minute that no tick saw. It covers the hour the clocks
// skip in spring and a short suspend; after a longer one the alarm waits for the next day.
inline constexpr int kLatestRingMinutes = 60;

// Whole minutes from the latest start of the minute hour:minute on the wall clock at or before
// `now`: 0 within that minute, up to a day less a minute.
int MinutesSince(int hour, int minute, const WallTime& now);

// Whether the wall clock passed the minute hour:minute between two ticks' readings, without a
// tick inside it, at most kLatestRingMinutes before `now`. A clock set back passes nothing.
bool MinutePassed(int hour, int minute, const WallTime& before, const WallTime& now);

}  // namespace dawnquill
