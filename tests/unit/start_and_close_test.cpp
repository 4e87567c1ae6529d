#include <optional>

#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

// The delay is rounded, and falls back to the default when it is missing or no 16-bit value.
TEST(StartUp, FillsTheListsAndRestoresTheSettings) {
  const struct {
    std::optional<std::string> storedDelay;
    std::string boxes;
  } cases[] = {
      // clang-format off
      {std::nullopt, "00 00 9"}, {"8.5", "00 00 8"}, {"", "00 00 0"}, {"99.5", "00 00 100"},
      {"-40000", "00 00 9"},
      // clang-format on
  };
  for (const auto& c : cases) {
    Rig rig(Rig::NotStarted);
    if (c.storedDelay) rig.settings["SnoozeDelay"] = *c.storedDelay;
    rig.StartProgram();
    EXPECT_EQ(rig.Inputs(), c.boxes);
    EXPECT_EQ(rig.mainView.items[MainControl::HourBox].size(), 24u);
    EXPECT_EQ(rig.mainView.items[MainControl::MinuteBox].back(), "55");
    EXPECT_TRUE(rig.mainView.visible);
  }
}

// No range check at close; an invalid delay keeps the last valid one; a delay restored as 100 is
// saved as 100 again.
TEST(Close, SavesNumberTextsAndOnlyAValidDelay) {
  const std::string max = "1.79769313486232E+308";
  const struct {
    std::string storedDelay, hour, minute, delay, saved;
  } cases[] = {
      // clang-format off
      {"9", "07", "05", "15", "7 5 15"},    {"9", "99", "7.5", "9", "99 7.5 9"},
      {"9", "abc", "", "0", "0 0 9"},       {"12", "1", "2", "-3", "1 2 12"},
      {"99.5", "1", "2", "100", "1 2 100"}, {"9", std::string(400, '9'), "1e400", "9", max + " " + max + " 9"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + " " + c.minute + " " + c.delay);
    Rig rig(Rig::NotStarted);
    rig.settings["SnoozeDelay"] = c.storedDelay;
    rig.StartProgram();
    rig.SetInputs(c.hour, c.minute, c.delay);
    rig.program.mainWindow.Exit();
    EXPECT_EQ(rig.Stored(), c.saved);
  }
}

// Only the end of the session ends an armed program; it saves nothing then. Asked first, as
// before a log-off, the program refuses and goes to the tray, so that the desktop asks the user.
// Exit turns the alarm off first, and a close while off removes the icon before it saves.
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
       {"tray modify off Alarm is off", "tray delete", "save Hour 7", "save Minute 0",
        "save SnoozeDelay 9", "main.Close"}},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.Arm("7", "0");
    rig.log.clear();
    c.close(rig);
    EXPECT_EQ(rig.program.mainWindow.Unloaded(), c.log.back() == "main.Close");
    EXPECT_EQ(rig.log, c.log);
  }
}

}  // namespace
}  // namespace dawnquill::testing
