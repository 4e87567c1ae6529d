#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

namespace wu = wake_up_window;

TEST(WakeUpWindow, ShowsTheTimeFromTheFirstMomentAndEveryTimerTick) {
  StartedRig rig;
  rig.RingAnd([&] {
    EXPECT_EQ(rig.wakeUpView.Text(wu::lblClock), "06:00:00");
    rig.now.second = 8;
    rig.program.wakeUpWindow.Timer(wu::TimerClock);
    EXPECT_EQ(rig.wakeUpView.Text(wu::lblClock), "06:00:08");
    rig.Snooze();
  });
}

TEST(WakeUpWindow, EveryKeyThatWritesACharacterSnoozesOnce) {
  const struct {
    std::string control, text;
    bool snoozes;
  } cases[] = {
      {"cmdSnooze", "a", true},    {"cmdSnooze", " ", true},    {"cmdSnooze", "\r", true},
      {"cmdSnooze", "\x1b", true}, {"cmdSnooze", "\b", true},   {"cmdSnooze", "", false},
      {"cmdSnooze", "\t", false},  {"cmdAlarmOff", "a", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control + " " + c.text);
    StartedRig rig;
    bool used = false;
    rig.RingAnd([&] {
      used = rig.program.wakeUpWindow.KeyPress(c.control, c.text);
      if (!c.snoozes) rig.AlarmOff();
    });
    EXPECT_EQ(used, c.snoozes);
    EXPECT_EQ(rig.State(), c.snoozes ? AlarmState::Snoozing : AlarmState::Off);
    EXPECT_EQ(rig.Only("wakeUp.Close").size(), 1u);
    EXPECT_EQ(rig.Only("player Stop").size(), 1u);
  }
}

// The frame's close is refused; the end of the session takes the window and leaves the alarm.
TEST(WakeUpWindow, RefusesOnlyTheUsersOwnClose) {
  for (const auto reason : {CloseReason::User, CloseReason::SessionEnd}) {
    StartedRig rig;
    bool closed = false;
    rig.RingAnd([&] {
      closed = rig.program.wakeUpWindow.CloseRequested(reason);
      if (!closed) rig.AlarmOff();
    });
    EXPECT_EQ(closed, reason != CloseReason::User);
    EXPECT_EQ(rig.State(), closed ? AlarmState::Ringing : AlarmState::Off);
  }
}

}  // namespace
}  // namespace dawnquill::testing
