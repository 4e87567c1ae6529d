#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

namespace fm = frm_main;

const std::string kPrompt =
    "msgbox Winamp not running: Winamp is not running. Please start winamp to use the alarm. (69)";

TEST(AlarmTick, ReadsTheClockRefreshesTheTrayOnceThenAsksForThePlayer) {
  Rig rig;
  rig.Start();
  rig.TickAt(6, 1);
  EXPECT_EQ(rig.log, (Log{"tray modify 2 Dawnquill"}));
  EXPECT_EQ(rig.player.lastClass, "Winamp v1.x");
  EXPECT_EQ(rig.program.global.NowHour, 6);
  EXPECT_EQ(rig.program.global.NowMinute, 1);
}

TEST(AlarmTick, RingsAgainWhenRearmedInsideTheSameMinute) {
  Rig rig;
  rig.Start();
  rig.alarmView.whileModal = [&] { rig.program.frmAlarm.Click(frm_alarm::cmdAlarmOff); };
  rig.Arm("7", "30");
  rig.TickAt(7, 30, 0);
  rig.program.frmMain.Click(fm::cmdToggleAlarm);
  rig.TickAt(7, 30, 5);
  EXPECT_EQ(rig.Only("alarm.ShowModal").size(), 2u);
}

TEST(AlarmTick, WaitsForThePlayerAndComparesTheTimeReadWhenTheTickBegan) {
  const struct {
    int tickMinute;
    bool rings;
  } cases[] = {{59, false}, {0, true}};  // armed for 7:00; Retry pressed at 7:01
  for (const auto& c : cases) {
    Rig rig;
    rig.Start();
    rig.Arm("7", "0");
    rig.log.clear();
    rig.player.running = false;
    rig.boxes.Next(mb::kIdRetry);  // still no player
    rig.boxes.Next(mb::kIdRetry, [&] {
      rig.clock.now = {7, 1, 0};
      rig.player.running = true;
    });
    rig.alarmView.whileModal = [&] { rig.program.frmAlarm.Click(frm_alarm::cmdAlarmOff); };
    rig.TickAt(c.tickMinute == 59 ? 6 : 7, c.tickMinute);
    EXPECT_EQ(rig.Only("alarm.ShowModal").size(), c.rings ? 1u : 0u);
    const Log expectedStart{"tray modify 1 Alarm is on - Time: 7:00",
                            "main.Timer TimerAlarm off",
                            kPrompt,
                            "doevents",
                            kPrompt,
                            "doevents",
                            "main.Timer TimerAlarm on"};
    EXPECT_EQ(Log(rig.log.begin(), rig.log.begin() + 7), expectedStart);
  }
}

TEST(AlarmTick, CancelTurnsOffSilentlyAndEndsTheProgramWithTheSettingsSaved) {
  for (const auto state : {AlarmState::Off, AlarmState::Armed}) {
    Rig rig;
    rig.Start();
    if (state == AlarmState::Armed) rig.Arm("7", "0", "12");
    rig.log.clear();
    rig.player.running = false;
    rig.boxes.Next(mb::kIdCancel);
    rig.TickAt(6, 0);
    EXPECT_EQ(rig.State(), AlarmState::Off);
    EXPECT_TRUE(rig.program.frmMain.Unloaded());
    EXPECT_EQ(
        rig.log,
        (Log{
            "tray modify " + std::string(state == AlarmState::Armed ? "1 Alarm is on - Time: 7:00"
                                                                    : "2 Dawnquill"),
            "main.Timer TimerAlarm off",
            kPrompt,
            "tray delete " + std::string(state == AlarmState::Armed ? "1 Alarm is on - Time: 7:00"
                                                                    : "2 Dawnquill"),
            std::string("save Hour ") + (state == AlarmState::Armed ? "7" : "0"),
            "save Minute 0",
            std::string("save SnoozeDelay ") + (state == AlarmState::Armed ? "12" : "9"),
            "main.Close",
        }));
  }
}

TEST(AlarmTick, StartUpAsksForTheMissingPlayerBeforeTheWindowIsEverShown) {
  Rig rig;
  rig.player.running = false;
  rig.boxes.Next(mb::kIdCancel);
  rig.Start();
  EXPECT_FALSE(rig.started);
  EXPECT_FALSE(rig.mainView.visible);
  EXPECT_EQ(rig.settings.values,
            (std::map<std::string, std::string>{{"DawnQuill/Settings/Hour", "0"},
                                                {"DawnQuill/Settings/Minute", "0"},
                                                {"DawnQuill/Settings/SnoozeDelay", "9"}}));
}

}  // namespace
}  // namespace dawnquill::testing
