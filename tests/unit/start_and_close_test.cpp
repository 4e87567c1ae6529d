#include <optional>

#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

// Start-up shows the stored delay rounded, or the default when it is missing or no 16-bit value.
// Exit saves the number texts without a range check, and an invalid delay as the last valid one,
// which may be a restored 100.
TEST(StartAndExit, RestoresTheDelayAndSavesNumberTextsButOnlyAValidDelay) {
  const std::string max = "1.79769313486232E+308";
  const struct {
    std::optional<std::string> storedDelay;
    std::string shown, hour, minute, delay, saved;  // the boxes at start-up; typed; saved at Exit
  } cases[] = {
      {std::nullopt, "00 00 9", "07", "05", "15", "7 5 15"},
      {"8.5", "00 00 8", "99", "7.5", "-3", "99 7.5 8"},
      {"", "00 00 0", "abc", "", "9", "0 0 9"},
      {"99.5", "00 00 100", "1", "2", "100", "1 2 100"},
      {"-40000", "00 00 9", std::string(400, '9'), "1e400", "0", max + " " + max + " 9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.storedDelay.value_or("none"));
    Rig rig(Rig::NotStarted);
    if (c.storedDelay) rig.stored.snoozeDelay = *c.storedDelay;
    rig.StartProgram();
    EXPECT_EQ(rig.Inputs(), c.shown);
    EXPECT_EQ(rig.mainView.items[MainControl::HourBox].size(), 24u);
    EXPECT_EQ(rig.mainView.items[MainControl::MinuteBox].back(), "55");
    EXPECT_TRUE(rig.mainView.visible);
    rig.SetInputs(c.hour, c.minute, c.delay);
    rig.program.mainWindow.Exit();
    EXPECT_EQ(rig.Stored(), c.saved);
  }
}

// Only the end of the session ends an armed program; it saves nothing then, and keeps the alarm's
// record for the next start. Asked first, as before a log-off, the program refuses and goes to
// the tray, so that the desktop asks the user. Exit turns the alarm off first, which clears the
// record, and a close while off removes the icon before it saves.
TEST(Close, HidesWhileTheAlarmIsOnUnlessTheSessionEndsOrTheUserExits) {
  const struct {
    std::function<void(Rig&)> close;
    Log log;  // ending with "main.Close" when the program ends
  } cases[] = {
      {[](Rig& r) { r.program.mainWindow.CloseRequested(CloseReason::User); }, {"main.Hide"}},
      {[](Rig& r) { r.program.mainWindow.CloseRequested(CloseReason::SessionEnd); },
       {"main.Close"}},
      {[](Rig& r) { EXPECT_FALSE(r.program.mainWindow.SessionMayEnd()); }, {"main.Hide"}},
      {[](Rig& r) { r.program.mainWindow.Click(MainControl::ExitButton); },
       {"tray modify off Alarm is off", "remove Alarm", "tray delete", "save 7 0 9", "main.Close"}},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.Arm("7", "0");
    rig.log.clear();
    c.close(rig);
    EXPECT_EQ(rig.program.mainWindow.Closed(), c.log.back() == "main.Close");
    EXPECT_EQ(rig.log, c.log);
    EXPECT_EQ(rig.startsAtSignIn, rig.keptAlarm.has_value());  // the record's companion
  }
}

// Started with the session, the program stays in the tray while the notification area comes, and
// shows its window only if none came in time.
TEST(StartInTray, ShowsTheWindowOnlyWhenNoNotificationAreaCameInTime) {
  for (const bool came : {true, false}) {
    Rig rig(Rig::NotStarted);
    rig.program.mainWindow.Start(StartShown::InTray);
    EXPECT_EQ(rig.Only("await"), Log{"await the area 30 s"});
    EXPECT_FALSE(rig.mainView.visible);
    rig.areaCame(came);
    EXPECT_EQ(rig.mainView.visible, !came);
  }
}

}  // namespace
}  // namespace dawnquill::testing
