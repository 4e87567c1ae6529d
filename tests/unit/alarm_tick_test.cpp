#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

const std::string kPrompt =
    "msgbox Winamp not running: Winamp is not running. Please start winamp to use the alarm.";

TEST(AlarmTick, RingsAgainWhenRearmedInsideTheSameMinute) {
  StartedRig rig;
  rig.wakeUpView.whileModal = [&] { rig.AlarmOff(); };
  rig.Arm("7", "30");
  rig.TickAt(7, 30, 0);
  rig.Toggle();
  rig.TickAt(7, 30, 5);
  EXPECT_EQ(rig.Only("wakeUp.ShowModal").size(), 2u);
}

// Armed for 7:00, the player missing at the tick, Retry pressed at 7:01 with the player back:
// the ring check compares the time read when the tick began.
TEST(AlarmTick, WaitsForThePlayerWithTheTimerOffAndComparesTheTimeReadWhenTheTickBegan) {
  for (const bool tickInTheMinute : {false, true}) {
    StartedRig rig;
    rig.Arm("7", "0");
    rig.log.clear();
    rig.playerRunning = false;
    rig.Answer(BoxAnswer::Retry);  // still no player
    rig.Answer(BoxAnswer::Retry, [&] {
      rig.now = {7, 1, 0};
      rig.playerRunning = true;
    });
    rig.wakeUpView.whileModal = [&] { rig.AlarmOff(); };
    tickInTheMinute ? rig.TickAt(7, 0) : rig.TickAt(6, 59);
    EXPECT_EQ(rig.Only("wakeUp.ShowModal").size(), tickInTheMinute ? 1u : 0u);
    EXPECT_EQ(Log(rig.log.begin() + 1, rig.log.begin() + 7),
              (Log{"main.Timer TimerAlarm off", kPrompt, "doevents", kPrompt, "doevents",
                   "main.Timer TimerAlarm on"}));
  }
}

// Cancel turns the alarm off without showing it, and ends the program with the settings saved,
// also when the prompt comes at start-up, before the window was ever shown.
TEST(AlarmTick, CancelEndsTheProgramWithTheSettingsSaved) {
  for (const bool atStartUp : {true, false}) {
    Rig rig;
    if (!atStartUp) {
      rig.Start();
      rig.Arm("7", "0", "12");
      rig.log.clear();
    }
    rig.playerRunning = false;
    rig.Answer(BoxAnswer::Cancel);
    atStartUp ? rig.Start() : rig.TickAt(6, 0);
    EXPECT_EQ(rig.State(), AlarmState::Off);
    EXPECT_TRUE(rig.program.mainWindow.Unloaded());
    EXPECT_EQ(rig.started, !atStartUp);  // at start-up, before the window was ever shown
    EXPECT_TRUE(rig.Only("tray modify 2").empty());  // nothing of the off state is shown
    EXPECT_EQ(rig.Stored(), atStartUp ? "0 0 9" : "7 0 12");
  }
}

}  // namespace
}  // namespace dawnquill::testing
