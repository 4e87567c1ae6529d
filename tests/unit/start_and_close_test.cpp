#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

namespace mw = main_window;

std::string Key(const char* key) { return std::string("DawnQuill/") + key; }

// Stored texts come back as they were, except the delay, which is rounded, and which falls back
// to the default when it is no 16-bit value.
TEST(StartUp, FillsTheListsAndRestoresTheSettings) {
  const struct {
    std::map<std::string, std::string> stored;
    std::string hour, minute, delayBox;
  } cases[] = {
      // clang-format off
      {{}, "00", "00", "9"},
      {{{Key("Hour"), "7.5"}, {Key("Minute"), " x"}, {Key("SnoozeDelay"), "15"}}, "7.5", " x", "15"},
      {{{Key("SnoozeDelay"), "8.5"}}, "00", "00", "8"}, {{{Key("SnoozeDelay"), ""}}, "00", "00", "0"},
      {{{Key("SnoozeDelay"), "99.5"}}, "00", "00", "100"},
      {{{Key("SnoozeDelay"), "-40000"}}, "00", "00", "9"},
      // clang-format on
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.settings = c.stored;
    rig.Start();
    EXPECT_EQ(
        rig.Main(mw::cmbHour) + " " + rig.Main(mw::cmbMin) + " " + rig.Main(mw::txtSnoozeDelay),
        c.hour + " " + c.minute + " " + c.delayBox);
    EXPECT_EQ(rig.mainView.items[std::string(mw::cmbHour)].size(), 24u);
    EXPECT_EQ(rig.mainView.items[std::string(mw::cmbMin)].back(), "55");
    EXPECT_TRUE(rig.mainView.visible);
  }
}

TEST(StartUp, ReadsAndWritesUnderTheExecutablesOwnName) {
  Rig rig;
  rig.executableName = "dq-test";
  rig.settings[Key("Hour")] = "7";
  rig.Start();
  EXPECT_EQ(rig.Main(mw::cmbHour), "00");
  rig.program.mainWindow.cmdEnd_Click();
  EXPECT_EQ(rig.settings["dq-test/Hour"], "0");
}

// No range check at close; an invalid delay keeps the last valid one; a delay restored as 100 is
// saved as 100 again.
TEST(Close, SavesNumberTextsAndOnlyAValidDelay) {
  const struct {
    std::string storedDelay, hour, minute, delayBox;
    std::string savedHour, savedMinute, savedDelay;
  } cases[] = {
      // clang-format off
      {"9", "07", "05", "15", "7", "5", "15"},    {"9", "99", "7.5", "9", "99", "7.5", "9"},
      {"9", "abc", "", "0", "0", "0", "9"},       {"12", "1", "2", "-3", "1", "2", "12"},
      {"99.5", "1", "2", "100", "1", "2", "100"},
      {"9", std::string(400, '9'), "1e400", "9", "1.79769313486232E+308", "1.79769313486232E+308", "9"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + " " + c.minute + " " + c.delayBox);
    Rig rig;
    rig.settings[Key("SnoozeDelay")] = c.storedDelay;
    rig.Start();
    rig.SetInputs(c.hour, c.minute, c.delayBox);
    rig.program.mainWindow.cmdEnd_Click();
    EXPECT_EQ(rig.Only("save"), (Log{"save Hour " + c.savedHour, "save Minute " + c.savedMinute,
                                     "save SnoozeDelay " + c.savedDelay}));
  }
}

// Only the end of the session ends an armed program; it saves nothing then. Exit turns the alarm
// off first, and a close while off removes the icon before it saves.
TEST(Close, HidesWhileTheAlarmIsOnUnlessTheSessionEndsOrTheUserExits) {
  const struct {
    std::function<void(Rig&)> close;
    bool ends;
    Log log;
  } cases[] = {
      {[](Rig& r) { r.program.mainWindow.CloseRequested(CloseReason::User); },
       false,
       {"main.Hide"}},
      {[](Rig& r) { r.program.mainWindow.CloseRequested(CloseReason::SessionEnd); },
       true,
       {"main.Close"}},
      {[](Rig& r) { r.program.mainWindow.Click(mw::cmdEnd); },
       true,
       {"tray modify 2 Alarm is off", "tray delete", "save Hour 7", "save Minute 0",
        "save SnoozeDelay 9", "main.Close"}},
  };
  for (const auto& c : cases) {
    StartedRig rig;
    rig.Arm("7", "0");
    rig.log.clear();
    c.close(rig);
    EXPECT_EQ(rig.program.mainWindow.Unloaded(), c.ends);
    EXPECT_EQ(rig.log, c.log);
  }
}

}  // namespace
}  // namespace dawnquill::testing
