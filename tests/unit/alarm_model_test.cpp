#include <gtest/gtest.h>

#include "core/alarm.h"
#include "core/wall_clock.h"

// The alarm's rules alone, without a window or a back end.
namespace dawnquill::testing {
namespace {

// The wall clock of UTC: an instant and its reading are the same seconds.
struct UtcClock final : Clock {
  WallTime Now() const override { return {}; }
  std::chrono::sys_seconds Utc() const override { return {}; }
  WallTime LocalAt(std::chrono::sys_seconds t) const override { return UtcTimeAt(t); }
  static std::chrono::sys_seconds At(const WallTime& wall) {
    return std::chrono::sys_seconds{WallSeconds(wall).time_since_epoch()};
  }
};

// Halves go to the even hour; a text that is not numeric is not rounded. The boxes the checks
// reached are written back, and only those.
TEST(AlarmModel, TurnOnChecksTheBoxesInOrderAndRewritesOnlyThoseItReached) {
  const std::string hour = "Fill in an hour between 0 and 23";
  const std::string minute = "Fill in a minute between 0 and 59";
  const std::string delay = "Fill in a snooze delay between 1 and 99 minutes";
  const struct {
    std::string hour, minute, delay, after;  // typed, then the boxes' texts afterwards
    std::string warning;                     // empty: armed
  } cases[] = {
      // clang-format off
      {"07", "30", "9", "7 30 9", ""},      {"23", "59", "99", "23 59 99", ""},
      {"", "abc", "1", "0 0 1", ""},        {"7.6", "0", "9", "8 0 9", ""},
      {"8.5", "0", "9", "8 0 9", ""},       {"7.5x", "0", "9", "7.5 0 9", ""},
      {"0", "0", "9.", "0 0 9", ""},        {"24", "zz", "0", "24 zz 0", hour},
      {"-1", "30", "9", "-1 30 9", hour},   {"23.5", "30", "9", "24 30 9", hour},
      {"7", "59.7", "x", "7 60 x", minute}, {"07", "05", "0", "7 5 0", delay},
      {"07", "05", ".5", "7 5 0.5", delay}, {"07", "05", "100", "7 5 100", delay},
      {"07", "05", "abc", "7 5 0", delay},
      // clang-format on
  };
  const UtcClock clock;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + " " + c.minute + " " + c.delay);
    Alarm alarm(clock, ".");
    const AlarmDue due = alarm.TurnOn({c.hour, c.minute, c.delay});
    const std::string typed[] = {c.hour, c.minute, c.delay};
    std::string boxes;
    for (int box = 0; box < 3; ++box) {
      if (box > 0) boxes += ' ';
      boxes += due.texts[box].value_or(typed[box]);
    }
    EXPECT_EQ(boxes, c.after);
    EXPECT_EQ(due.warning, c.warning);
    EXPECT_EQ(alarm.State(), c.warning.empty() ? AlarmState::Armed : AlarmState::Off);
    EXPECT_EQ(due.shown, c.warning.empty());
  }
}

// A minute that no tick saw, because the machine slept, the program was stopped or the clocks
// went forward, rings at the first tick after it, up to an hour late; a minute that had passed
// before the alarm was set, or one the clock went back over, does not, but one the clock comes
// back to does. The alarm sees only wall-clock readings, so a zone's two nights of change are two
// more pairs of readings; the end-to-end cases run the autumn night in a real zone.
TEST(AlarmModel, RingsForAMinuteTheTicksSkippedUpToAnHourLate) {
  const struct {
    const char* what;
    int hour, minute;  // armed for; with a snooze, rung then and snoozed for 9 more
    bool snoozed;
    WallTime before, after;  // the two ticks around the gap
    bool rings;
  } cases[] = {
      // clang-format off
      {"a 15-minute suspend", 7, 0, false, {6, 59, 58}, {7, 14, 58}, true},
      {"an hour late", 7, 0, false, {6, 59, 58}, {8, 0, 30}, true},
      {"61 minutes late", 7, 0, false, {6, 59, 58}, {8, 1, 0}, false},
      {"a day's sleep, then 7:10", 7, 0, false, {7, 30, 0, 2027, 3, 1}, {7, 10, 0, 2027, 3, 2}, true},
      {"asleep from midnight", 7, 0, false, {23, 59, 58, 2027, 3, 1}, {7, 5, 0, 2027, 3, 2}, true},
      {"a passed minute armed", 7, 0, false, {7, 4, 58}, {7, 5, 3}, false},
      {"the spring night's 2:00 to 3:00", 2, 30, false, {1, 59, 55}, {3, 0, 0}, true},
      {"the autumn night's 3:00 to 2:00", 2, 30, false, {2, 59, 55}, {2, 0, 0}, false},
      {"the clock set back over it", 7, 0, false, {7, 30, 0}, {6, 55, 0}, false},
      {"the clock set back to it", 7, 0, false, {7, 30, 0}, {7, 0, 2}, true},
      {"the snooze minute skipped", 7, 0, true, {7, 8, 58}, {7, 11, 30}, true},
      {"the alarm minute, snoozing", 7, 12, true, {7, 11, 58}, {7, 20, 0}, false},
      // clang-format on
  };
  const UtcClock clock;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Alarm alarm(clock, ".");
    const auto tick = [&](const WallTime& at) { alarm.SetNow(at, UtcClock::At(at)); };
    const auto arm = [&] {
      ASSERT_TRUE(alarm.TurnOn({std::to_string(c.hour), std::to_string(c.minute), "9"}).shown);
    };
    if (c.snoozed) {
      arm();
      tick({c.hour, c.minute, 0});
      ASSERT_TRUE(alarm.RingIsDue());
      alarm.Ring();
      alarm.Snooze();
    }
    tick(c.before);
    if (!c.snoozed) arm();
    ASSERT_FALSE(alarm.RingIsDue());
    tick(c.after);
    EXPECT_EQ(alarm.RingIsDue(), c.rings);
  }
}

}  // namespace
}  // namespace dawnquill::testing
