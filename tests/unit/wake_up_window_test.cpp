#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

namespace fa = frm_alarm;

TEST(WakeUpWindow, ClockTextIsTwoDigitsEach) {
  EXPECT_EQ(ClockText({9, 5, 3}), "09:05:03");
  EXPECT_EQ(ClockText({23, 59, 59}), "23:59:59");
  EXPECT_EQ(ClockText({0, 0, 0}), "00:00:00");
}

// Rings at 6:00 and lets `user` act on the open window.
void RingAnd(Rig& rig, const std::function<void()>& user) {
  rig.Start();
  rig.Arm("6", "0");
  rig.alarmView.whileModal = user;
  rig.TickAt(6, 0, 7);
}

TEST(WakeUpWindow, ShowsTheTimeFromTheFirstMomentAndEveryTimerTick) {
  Rig rig;
  RingAnd(rig, [&] {
    EXPECT_EQ(rig.alarmView.Text(fa::lblTijd), "06:00:07");
    rig.clock.now = {6, 0, 8};
    rig.program.frmAlarm.Timer(fa::TimerTijd);
    EXPECT_EQ(rig.alarmView.Text(fa::lblTijd), "06:00:08");
    rig.program.frmAlarm.Click(fa::cmdSnooze);
  });
}

TEST(WakeUpWindow, EveryKeyThatWritesACharacterSnoozesOnce) {
  const struct {
    std::string control, text;
    bool snoozes;
  } cases[] = {
      {"cmdSnooze", "a", true},  {"cmdSnooze", "7", true},    {"cmdSnooze", " ", true},
      {"cmdSnooze", "\r", true}, {"cmdSnooze", "\x1b", true}, {"cmdSnooze", "\b", true},
      {"cmdSnooze", "", false},  {"cmdSnooze", "\t", false},  {"cmdAlarmOff", "a", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control + " " + c.text);
    Rig rig;
    bool used = false;
    RingAnd(rig, [&] {
      used = rig.program.frmAlarm.KeyPress(c.control, c.text);
      if (!c.snoozes) rig.program.frmAlarm.Click(fa::cmdAlarmOff);
    });
    EXPECT_EQ(used, c.snoozes);
    EXPECT_EQ(rig.State(), c.snoozes ? AlarmState::Snoozing : AlarmState::Off);
    EXPECT_EQ(rig.Only("alarm.Close").size(), 1u);
    EXPECT_EQ(rig.Only("player 40047").size(), 1u);
  }
}

TEST(WakeUpWindow, RefusesOnlyTheUsersOwnCloseAndKeepsRinging) {
  for (const auto reason : {CloseReason::User, CloseReason::SessionEnd, CloseReason::TaskManager}) {
    Rig rig;
    bool closed = false;
    RingAnd(rig, [&] {
      closed = rig.program.frmAlarm.CloseRequested(reason);
      if (!closed) rig.program.frmAlarm.Click(fa::cmdAlarmOff);
    });
    EXPECT_EQ(closed, reason != CloseReason::User);
    // A log-off takes the window but leaves the alarm as it was.
    if (closed) {
      EXPECT_EQ(rig.State(), AlarmState::Ringing);
    }
  }
}

TEST(WakeUpWindow, IsLoadedAfreshAtEveryRing) {
  Rig rig;
  RingAnd(rig, [&] { rig.program.frmAlarm.Click(fa::cmdSnooze); });
  rig.alarmView.whileModal = [&] {
    EXPECT_TRUE(rig.alarmView.loaded);
    rig.program.frmAlarm.Click(fa::cmdSnooze);
  };
  rig.TickAt(6, 9);
  EXPECT_EQ(rig.Only("alarm.Load").size(), 2u);
}

}  // namespace
}  // namespace dawnquill::testing
