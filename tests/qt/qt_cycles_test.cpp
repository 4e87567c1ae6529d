#include <QApplication>

#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "platform/qt/qt_tray.h"

namespace dawnquill::testing {
namespace {

// Ten thousand mornings through the program logic and the real tray icon back end. Under the
// sanitizer build LeakSanitizer checks at exit that none of them left memory behind.
TEST(Cycles, TenThousandArmRingSnoozeAndOffCyclesOnTheRealTrayIcon) {
  Rig rig;
  QtTrayPictures pictures;
  QtNotifyIcon icon(pictures);
  Program program({.mainView = rig.mainView,
                   .alarmView = rig.alarmView,
                   .playerWindows = rig.player,
                   .notifyIcon = icon,
                   .trayIcons = pictures,
                   .settings = rig.settings,
                   .executable = rig.executable,
                   .clock = rig.clock,
                   .messageBoxes = rig.boxes,
                   .events = rig.events,
                   .decimalSeparator = "."});
  icon.SetEvents(&program.trayCallback);
  ASSERT_TRUE(program.frmMain.Start());
  const auto tick = [&](int hour, int minute) {
    rig.clock.now = {hour, minute, 0};
    program.frmMain.Timer(frm_main::TimerAlarm);
  };
  int rings = 0;
  bool snooze = true;
  rig.alarmView.whileModal = [&] {
    ++rings;
    program.frmAlarm.Click(snooze ? frm_alarm::cmdSnooze : frm_alarm::cmdAlarmOff);
  };
  for (int cycle = 0; cycle < 10000; ++cycle) {
    rig.SetInputs("7", "0", "9");
    program.frmMain.Click(frm_main::cmdToggleAlarm);
    snooze = true;
    tick(7, 0);
    snooze = false;
    tick(7, 9);
    rig.log.clear();
    QApplication::processEvents();
  }
  EXPECT_EQ(rings, 20000);
  EXPECT_EQ(program.global.AlarmState, AlarmState::Off);
  EXPECT_EQ(icon.Icon().toolTip(), "Alarm is off");
}

}  // namespace
}  // namespace dawnquill::testing
