#include "backends/qt/qt_tick_timer.h"

#include <optional>

#include <QTest>

#include <gtest/gtest.h>

namespace dawnquill::testing {
namespace {

using namespace std::chrono;

// A wall clock that the test may set back, and the reading it gave at the tick.
struct SetBackClock final : TickTimerEvents {
  system_clock::time_point Now() const { return system_clock::now() - setBack; }
  void Tick() override { tickedAt = Now(); }
  milliseconds setBack{0};
  std::optional<system_clock::time_point> tickedAt;
};

// The tick comes at its instant by the wall clock, never before, for the instant asked last. A
// shot that the monotonic timer brings early, here because the clock was set back a third of a
// second once it was asked, is set again for the rest.
TEST(QtTickTimer, TicksAtTheInstantByTheWallClockAndNeverBefore) {
  for (const milliseconds setBack : {0ms, 300ms}) {
    SCOPED_TRACE(setBack.count());
    SetBackClock clock;
    QtTickTimer timer([&clock] { return clock.Now(); });
    timer.SetEvents(&clock);
    const sys_seconds instant = ceil<seconds>(system_clock::now()) + 1s;
    timer.SetFor(instant + 1min);
    timer.SetFor(instant);
    clock.setBack = setBack;
    ASSERT_TRUE(QTest::qWaitFor([&clock] { return clock.tickedAt.has_value(); }, 3000));
    EXPECT_GE(*clock.tickedAt, instant);
    EXPECT_LT(*clock.tickedAt, instant + 100ms);
  }
}

}  // namespace
}  // namespace dawnquill::testing
