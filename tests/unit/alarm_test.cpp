#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

namespace fm = frm_main;

struct TurnOnCase {
  std::string hour, minute, delay;
  AlarmState state;
  std::string hourAfter, minuteAfter, delayAfter;  // the boxes' texts afterwards
  std::string message;                             // empty: no message box
};

TEST(TurnAlarmOn, ValidatesInOrderAndRewritesOnlyTheFieldsItReached) {
  const std::string hourMsg = "msgbox Error: Fill in an hour between 0 and 23 (48)";
  const std::string minuteMsg = "msgbox Error: Fill in a minute between 0 and 59 (48)";
  const std::string delayMsg = "msgbox Error: Fill in a snooze delay between 1 and 99 minutes (48)";
  const TurnOnCase cases[] = {
      {"07", "30", "9", AlarmState::Armed, "7", "30", "9", ""},
      {"7", "05", "9", AlarmState::Armed, "7", "5", "9", ""},
      {"23", "59", "99", AlarmState::Armed, "23", "59", "99", ""},
      {"", "abc", "1", AlarmState::Armed, "0", "0", "1", ""},
      {"7.6", "0", "9", AlarmState::Armed, "8", "0", "9", ""},
      {"8.5", "0", "9", AlarmState::Armed, "8", "0", "9", ""},     // halves go to the even hour
      {"7.5x", "0", "9", AlarmState::Armed, "7.5", "0", "9", ""},  // not numeric: not rounded
      {"0", "0", "9.", AlarmState::Armed, "0", "0", "9", ""},
      {"24", "zz", "0", AlarmState::Off, "24", "zz", "0", hourMsg},
      {"-1", "30", "9", AlarmState::Off, "-1", "30", "9", hourMsg},
      {"23.5", "30", "9", AlarmState::Off, "24", "30", "9", hourMsg},
      {"7", "59.7", "x", AlarmState::Off, "7", "60", "x", minuteMsg},
      {"07", "60", "9", AlarmState::Off, "7", "60", "9", minuteMsg},
      {"07", "05", "0", AlarmState::Off, "7", "5", "0", delayMsg},
      {"07", "05", ".5", AlarmState::Off, "7", "5", "0.5", delayMsg},
      {"07", "05", "100", AlarmState::Off, "7", "5", "100", delayMsg},
      {"07", "05", "abc", AlarmState::Off, "7", "5", "0", delayMsg},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + " " + c.minute + " " + c.delay);
    Rig rig;
    rig.Start();
    rig.Arm(c.hour, c.minute, c.delay);
    EXPECT_EQ(rig.State(), c.state);
    EXPECT_EQ(rig.Main(fm::cmbUur), c.hourAfter);
    EXPECT_EQ(rig.Main(fm::cmbMin), c.minuteAfter);
    EXPECT_EQ(rig.Main(fm::txtSnoozeDelay), c.delayAfter);
    EXPECT_EQ(rig.Only("msgbox"), c.message.empty() ? Log{} : Log{c.message});
    if (c.state == AlarmState::Off) {
      EXPECT_TRUE(rig.Only("tray").empty());  // a refused input publishes nothing
      EXPECT_EQ(rig.Main(fm::lblStatus), "Alarm is off");
    }
  }
}

TEST(TurnAlarmOn, ArmsWithEveryVisibleEffectInOrder) {
  Rig rig;
  rig.Start();
  rig.Arm("07", "05", "15");
  EXPECT_EQ(rig.program.global.AlarmHour, 7);
  EXPECT_EQ(rig.program.global.AlarmMinute, 5);
  EXPECT_EQ(rig.program.global.SnoozeDelay, 15);
  EXPECT_EQ(rig.log, (Log{
                         "main.SetText cmbUur 7",
                         "main.SetText cmbMin 5",
                         "main.SetText txtSnoozeDelay 15",
                         "main.SetText cmdToggleAlarm Turn alarm off",
                         "main.SetEnabled cmbUur off",
                         "main.SetEnabled cmbMin off",
                         "main.SetEnabled txtSnoozeDelay off",
                         "main.SetText lblStatus Alarm is on - Time: 7:05",
                         "tray modify 1 Alarm is on - Time: 7:05",
                     }));
}

TEST(TurnAlarmOn, WritesNumbersWithTheLocaleSeparator) {
  Rig rig(",");
  rig.Start();
  rig.Arm("7.5x", "0", "9");
  EXPECT_EQ(rig.Main(fm::cmbUur), "7,5");
  EXPECT_EQ(rig.State(), AlarmState::Armed);
}

TEST(Toggle, DispatchesOnTheStateAndTurnsOffWithoutPlayerCommandsUnlessRinging) {
  for (const auto state : {AlarmState::Armed, AlarmState::Snoozing, AlarmState::Ringing}) {
    Rig rig;
    rig.Start();
    rig.Arm("7", "0");
    rig.program.global.AlarmState = state;
    rig.log.clear();
    rig.program.frmMain.Click(fm::cmdToggleAlarm);
    if (state == AlarmState::Ringing) {
      EXPECT_EQ(rig.State(), AlarmState::Ringing);
      EXPECT_TRUE(rig.log.empty());
      continue;
    }
    EXPECT_EQ(rig.State(), AlarmState::Off);
    EXPECT_EQ(rig.log, (Log{
                           "main.SetText cmdToggleAlarm Turn alarm on",
                           "main.SetEnabled cmbUur on",
                           "main.SetEnabled cmbMin on",
                           "main.SetEnabled txtSnoozeDelay on",
                           "main.SetText lblStatus Alarm is off",
                           "tray modify 2 Alarm is off",
                       }));
  }
}

TEST(Snooze, CountsFromTheLastTickAndWrapsPastMidnight) {
  const struct {
    int hour, minute, delay;
    std::string status;
  } cases[] = {
      {7, 30, 9, "Snooze is on - Time: 7:39"},  {7, 55, 9, "Snooze is on - Time: 8:04"},
      {23, 55, 9, "Snooze is on - Time: 0:04"}, {23, 59, 99, "Snooze is on - Time: 1:38"},
      {0, 0, 1, "Snooze is on - Time: 0:01"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    Rig rig;
    rig.Start();
    rig.Arm(std::to_string(c.hour), std::to_string(c.minute), std::to_string(c.delay));
    rig.alarmView.whileModal = [&] { rig.program.frmAlarm.Click(frm_alarm::cmdSnooze); };
    rig.TickAt(c.hour, c.minute);
    EXPECT_EQ(rig.State(), AlarmState::Snoozing);
    EXPECT_EQ(rig.Main(fm::lblStatus), c.status);
    EXPECT_EQ(rig.program.tray.Tip(), c.status);
    EXPECT_EQ(rig.shell.last.hIcon, 1u);
    EXPECT_EQ(rig.Only("player"), (Log{"player 40045", "player 40047"}));
  }
}

TEST(RingAlarm, PlaysThenShowsRingingThenOpensTheWakeUpWindow) {
  Rig rig;
  rig.Start();
  rig.Arm("6", "0");
  rig.log.clear();
  rig.alarmView.whileModal = [&] {
    EXPECT_EQ(rig.State(), AlarmState::Ringing);
    rig.program.frmAlarm.Click(frm_alarm::cmdAlarmOff);
  };
  rig.TickAt(6, 0);
  EXPECT_EQ(rig.log, (Log{
                         "tray modify 1 Alarm is on - Time: 6:00",
                         "player 40045",
                         "main.SetText lblStatus Alarm!",
                         "tray modify 3 Alarm!",
                         "alarm.Load",
                         "alarm.SetText lblTijd 06:00:00",
                         "alarm.ShowModal",
                         "player 40047",
                         "main.SetText cmdToggleAlarm Turn alarm on",
                         "main.SetEnabled cmbUur on",
                         "main.SetEnabled cmbMin on",
                         "main.SetEnabled txtSnoozeDelay on",
                         "main.SetText lblStatus Alarm is off",
                         "tray modify 2 Alarm is off",
                         "alarm.Close",
                     }));
  EXPECT_EQ(rig.State(), AlarmState::Off);
}

}  // namespace
}  // namespace dawnquill::testing
