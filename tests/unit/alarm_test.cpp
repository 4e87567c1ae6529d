#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

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
      {"a morning", sys_days{2027y / 3 / 1} + 6h + 30min, 9, "7:39",
       sys_days{2027y / 3 / 1} + 6h + 39min},
      {"across midnight", sys_days{2027y / 3 / 1} + 22h + 55min, 9, "0:04",
       sys_days{2027y / 3 / 1} + 23h + 4min},
      {"2:55 summer time as the clocks go back", sys_days{2027y / 10 / 31} + 55min, 10, "2:05",
       sys_days{2027y / 10 / 31} + 1h + 5min},
      {"1:55 as the clocks go forward", sys_days{2027y / 3 / 28} + 55min, 10, "3:05",
       sys_days{2027y / 3 / 28} + 1h + 5min},
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
// the clocks change, moved by a snooze, and cancelled by a ring and by off.
TEST(WakeTimer, IsSetForTheNextDueInstantMovedBySnoozeAndCancelledByOff) {
  using namespace std::chrono;
  const struct {
    const char* what;
    sys_seconds armedAt;
    const char *hour, *minute;
    sys_seconds wakeAt;
  } cases[] = {
      {"later that day", sys_days{2027y / 3 / 1} + 5h, "7", "0", sys_days{2027y / 3 / 1} + 6h},
      {"the next day", sys_days{2027y / 3 / 1} + 7h, "7", "0", sys_days{2027y / 3 / 2} + 6h},
      {"in the hour skipped in spring", sys_days{2027y / 3 / 27} + 21h, "2", "30",
       sys_days{2027y / 3 / 28} + 1h},
      {"the first of two in autumn", sys_days{2027y / 10 / 30} + 20h, "2", "30",
       sys_days{2027y / 10 / 31} + 30min},
      {"the second, armed between them", sys_days{2027y / 10 / 31} + 1h + 10min, "2", "30",
       sys_days{2027y / 10 / 31} + 1h + 30min},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rig rig;
    rig.TickAt(c.armedAt);
    rig.Arm(c.hour, c.minute);
    ASSERT_FALSE(rig.wakes.empty());
    EXPECT_EQ(rig.wakes.back(), c.wakeAt);
  }
  Rig rig;
  rig.RingAnd([&] { rig.Snooze(); });
  EXPECT_EQ(rig.wakes,
            (std::vector<std::optional<sys_seconds>>{sys_days{2027y / 3 / 2} + 5h, std::nullopt,
                                                     sys_days{2027y / 3 / 1} + 5h + 9min}));
  rig.Toggle();
  EXPECT_EQ(rig.wakes.back(), std::nullopt);
  // Missed by over an hour, the alarm waits for the next day, and so does its wake-up; one that
  // called back early is set again; an idle tick asks for nothing.
  Rig late;
  late.Arm("7", "0");
  late.TickAt(8, 30);
  late.program.driver.Woken();
  late.TickAt(8, 35);
  const sys_seconds tomorrow = sys_days{2027y / 3 / 2} + 6h;
  EXPECT_EQ(late.wakes, (std::vector<std::optional<sys_seconds>>{sys_days{2027y / 3 / 1} + 6h,
                                                                 tomorrow, tomorrow}));
}

// Cancel turns the alarm off without showing it, and ends the program with the settings saved:
// also when the prompt comes at start-up, before the window was ever shown, and when it comes
// after a ring that the player quit in.
TEST(PlayerPrompt, CancelEndsTheProgramWithTheSettingsSaved) {
  enum When { AtStartUp, Armed, Ringing };
  for (const When when : {AtStartUp, Armed, Ringing}) {
    Rig rig(Rig::NotStarted);
    const auto quitAndCancel = [&] { rig.playerRunning = false, rig.Answer(BoxAnswer::Cancel); };
    if (when == AtStartUp) quitAndCancel();
    rig.StartProgram();
    if (when != AtStartUp) rig.Arm("7", "0", "12");
    if (when == Armed) quitAndCancel(), rig.TickAt(6, 0);
    if (when == Ringing) {
      rig.onRing = [&] { quitAndCancel(), rig.TickAt(7, 0, 5), rig.Snooze(); };
      rig.TickAt(7, 0);
    }
    EXPECT_FALSE(rig.program.wakeUpWindow.IsOpen());
    EXPECT_EQ(rig.State(), AlarmState::Off);
    EXPECT_TRUE(rig.program.mainWindow.Closed());
    EXPECT_EQ(rig.started, when != AtStartUp);  // at start-up, before the window was ever shown
    EXPECT_TRUE(rig.Only("tray modify off").empty());  // nothing of the off state is shown
    EXPECT_EQ(rig.Stored(), when == AtStartUp ? "0 0 9" : "7 0 12");
  }
}

TEST(TrayIcon, IsAddedAtStartUpRefreshedByEveryTickAndCutsTipsToWhatEveryAreaTakes) {
  Rig rig(Rig::NotStarted);
  rig.program.mainWindow.Start();
  EXPECT_EQ(rig.Only("tray"), (Log{"tray add off Dawnquill", "tray modify off Dawnquill"}));
  rig.program.tray.Publish(std::string(70, 'x'), TrayPicture::Armed);
  EXPECT_EQ(rig.log.back(), "tray modify armed " + std::string(TrayIcon::kLongestTip, 'x'));
}

}  // namespace
}  // namespace dawnquill::testing
