#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

// An instant of 2027, in UTC.
std::chrono::sys_seconds Utc(unsigned month, unsigned day, int hour, int minute) {
  using namespace std::chrono;
  return sys_days{year{2027} / month / day} + hours{hour} + minutes{minute};
}

// What the alarm shows and holds reaches the main window and the desktop: the hour written back
// with the locale's separator, the toggle's caption and the boxes' lock, the hold in the tip's
// words, the screen too while it rings. Off while snoozing sends the player nothing, and lets go
// of the hold, the kept alarm and the start at sign-in.
TEST(Toggle, ShowsAndHoldsWhatTheAlarmCallsFor) {
  Rig rig(Rig::Started, ",");
  rig.Arm("7.5x", "05", "5");  // 7.5 to the even hour
  EXPECT_EQ(
      rig.Main(MainControl::HourBox) + "|" + rig.Main(MainControl::ToggleButton) + "|" + rig.held,
      "7,5|Turn alarm off|Alarm is on - Time: 8:05");
  EXPECT_FALSE(rig.mainView.enabled[MainControl::DelayBox]);
  rig.Toggle();
  EXPECT_TRUE(rig.mainView.enabled[MainControl::HourBox]);
  rig.RingAnd([&] {
    EXPECT_TRUE(rig.screenHeld);
    rig.Snooze();
  });
  EXPECT_FALSE(rig.screenHeld);
  rig.Toggle();
  EXPECT_EQ(rig.Main(MainControl::StatusLabel) + "|" + rig.held, "Alarm is off|");
  EXPECT_EQ(rig.Only("player"), (Log{"player Play", "player Stop"}));
  EXPECT_FALSE(rig.keptAlarm || rig.startsAtSignIn);
}

// A snooze lasts its delay in real minutes from the start of the minute it was pressed in, also
// across the nights the clocks change, and the status shows the wall time it will ring at.
TEST(Snooze, LastsItsDelayInRealMinutesWhateverTheWallClockDoes) {
  using namespace std::chrono;
  const struct {
    const char* what;
    sys_seconds rung;  // and snoozed in that minute
    int delay;
    std::string due;  // on the wall clock
    sys_seconds ringsAt;
  } cases[] = {
      {"across midnight", Utc(3, 1, 22, 55), 9, "0:04", Utc(3, 1, 23, 4)},
      {"2:55 summer time as the clocks go back", Utc(10, 31, 0, 55), 10, "2:05", Utc(10, 31, 1, 5)},
      {"1:55 as the clocks go forward", Utc(3, 28, 0, 55), 10, "3:05", Utc(3, 28, 1, 5)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rig rig;
    const WallTime rung = rig.LocalAt(c.rung);
    rig.Arm(std::to_string(rung.hour), std::to_string(rung.minute), std::to_string(c.delay));
    rig.onRing = [&] { rig.Snooze(); };
    rig.TickAt(c.rung + 20s);
    EXPECT_EQ(rig.Main(MainControl::StatusLabel), "Snooze is on - Time: " + c.due);
    rig.onRing = [&] { rig.AlarmOff(); };
    rig.TickAt(c.ringsAt - 5s);
    EXPECT_EQ(rig.State(), AlarmState::Snoozing);
    rig.TickAt(c.ringsAt);
    EXPECT_EQ(rig.State(), AlarmState::Off);  // rung, then turned off
  }
}

// The wake timer is set for the next instant anything is due, by the zone's rules on the nights
// the clocks change; the model's own morning holds the snooze's and the ring's.
TEST(WakeTimer, IsSetForTheNextDueInstantAndAgainAfterAnEarlyWakeUp) {
  using namespace std::chrono;
  const struct {
    const char* what;
    sys_seconds armedAt;
    const char *hour, *minute;
    sys_seconds wakeAt;
  } cases[] = {
      {"later that day", Utc(3, 1, 5, 0), "7", "0", Utc(3, 1, 6, 0)},
      {"the next day", Utc(3, 1, 7, 0), "7", "0", Utc(3, 2, 6, 0)},
      {"in the hour skipped in spring", Utc(3, 27, 21, 0), "2", "30", Utc(3, 28, 1, 0)},
      {"the first of two in autumn", Utc(10, 30, 20, 0), "2", "30", Utc(10, 31, 0, 30)},
      {"the second, armed between them", Utc(10, 31, 1, 10), "2", "30", Utc(10, 31, 1, 30)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rig rig;
    rig.TickAt(c.armedAt);
    rig.Arm(c.hour, c.minute);
    ASSERT_FALSE(rig.wakes.empty());
    EXPECT_EQ(rig.wakes.back(), c.wakeAt);
  }
  using Wakes = std::vector<std::optional<sys_seconds>>;
  // Missed by over an hour, the alarm waits for the next day, and so does its wake-up; one that
  // called back early is set again; an idle tick asks for nothing.
  Rig late;
  late.Arm("7", "0");
  late.TickAt(8, 30);
  late.program.driver.Woken();
  late.TickAt(8, 35);
  EXPECT_EQ(late.wakes, (Wakes{Utc(3, 1, 6, 0), Utc(3, 2, 6, 0), Utc(3, 2, 6, 0)}));
}

// Cancel at the prompt that comes at start-up, before the window was ever shown, ends the program
// with the settings saved; the model's own cases and the end-to-end case hold the later prompts.
TEST(PlayerPrompt, CancelAtStartUpEndsTheProgramWithTheSettingsSaved) {
  Rig rig(Rig::NotStarted);
  rig.playerRunning = false;
  rig.Answer(BoxAnswer::Cancel);
  rig.StartProgram();
  EXPECT_FALSE(rig.started);
  EXPECT_TRUE(rig.program.mainWindow.Closed());
  EXPECT_EQ(rig.Stored(), "0 0 9");
}

TEST(TrayIcon, IsAddedAtStartUpRefreshedByEveryTickAndCutsTipsToWhatEveryAreaTakes) {
  Rig rig(Rig::NotStarted);
  rig.program.mainWindow.Start();
  EXPECT_EQ(rig.Only("tray"), (Log{"tray add off Dawnquill", "tray modify off Dawnquill"}));
  // Between two characters of its UTF-8.
  const std::string before(TrayIcon::kLongestTip - 1, 'a');
  rig.program.tray.Publish(before + "\xc3\xa9", TrayPicture::Armed);
  EXPECT_EQ(rig.log.back(), "tray modify armed " + before);
}

}  // namespace
}  // namespace dawnquill::testing
