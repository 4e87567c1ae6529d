#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

TEST(WakeUpWindow, EveryKeyThatWritesACharacterSnoozesOnce) {
  constexpr auto kSnooze = WakeUpControl::SnoozeButton;
  const struct {
    WakeUpControl control;
    std::string text;
    bool snoozes;
  } cases[] = {
      {kSnooze, "a", true},   {kSnooze, " ", true},
      {kSnooze, "\r", true},  {kSnooze, "\x1b", true},
      {kSnooze, "\b", true},  {kSnooze, "", false},
      {kSnooze, "\t", false}, {WakeUpControl::TurnOffButton, "a", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Rig rig;
    bool used = false;
    rig.RingAnd([&] {
      used = rig.program.wakeUpWindow.Key(c.control, c.text) == KeyResult::Used;
      if (!c.snoozes) rig.AlarmOff();
    });
    EXPECT_EQ(used, c.snoozes);
    EXPECT_EQ(rig.State(), c.snoozes ? AlarmState::Snoozing : AlarmState::Off);
    EXPECT_EQ(rig.Only("wakeUp.Close").size(), 1u);
    EXPECT_EQ(rig.Only("player Stop").size(), 1u);
  }
}

// The time shows from the first moment and at every timer tick. The frame's close is refused;
// the end of the session takes the window and leaves the alarm.
TEST(WakeUpWindow, ShowsTheTimeAndRefusesOnlyTheUsersOwnClose) {
  for (const auto reason : {CloseReason::User, CloseReason::SessionEnd}) {
    Rig rig;
    bool closed = false;
    std::string shown;
    rig.RingAnd([&] {
      shown = rig.wakeUpView.Text(WakeUpControl::ClockLabel);
      rig.now.second = 8;
      rig.program.wakeUpWindow.Timer(WakeUpControl::ClockTimer);
      shown += " " + rig.wakeUpView.Text(WakeUpControl::ClockLabel);
      closed = rig.program.wakeUpWindow.CloseRequested(reason) == CloseVerdict::Close;
      if (!closed) rig.AlarmOff();
    });
    EXPECT_EQ(shown, "06:00:00 06:00:08");
    EXPECT_EQ(closed, reason != CloseReason::User);
    EXPECT_EQ(rig.State(), closed ? AlarmState::Ringing : AlarmState::Off);
  }
}

}  // namespace
}  // namespace dawnquill::testing
