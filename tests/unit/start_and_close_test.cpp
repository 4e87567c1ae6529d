#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

namespace fm = frm_main;

std::string Key(const char* key) { return FakeSettings::Path("DawnQuill", "Settings", key); }

TEST(StartUp, FillsTheListsAndRestoresTheSettings) {
  const struct {
    std::map<std::string, std::string> stored;
    std::string hour, minute, delayBox;
    std::int16_t delay;
  } cases[] = {
      {{}, "00", "00", "9", 9},
      {{{Key("Hour"), "7"}, {Key("Minute"), "5"}, {Key("SnoozeDelay"), "15"}}, "7", "5", "15", 15},
      {{{Key("Hour"), "7.5"}, {Key("Minute"), " x"}}, "7.5", " x", "9", 9},  // verbatim
      {{{Key("SnoozeDelay"), "7.5"}}, "00", "00", "8", 8},
      {{{Key("SnoozeDelay"), "8.5"}}, "00", "00", "8", 8},
      {{{Key("SnoozeDelay"), "09"}}, "00", "00", "9", 9},
      {{{Key("SnoozeDelay"), ""}}, "00", "00", "0", 0},
      {{{Key("SnoozeDelay"), "99.5"}}, "00", "00", "100", 100},
      {{{Key("SnoozeDelay"), "-40000"}}, "00", "00", "9", 9},  // no 16-bit value: the default
      {{{Key("SnoozeDelay"), "1e400"}}, "00", "00", "9", 9},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.settings.values = c.stored;
    rig.Start();
    EXPECT_EQ(rig.Main(fm::cmbUur), c.hour);
    EXPECT_EQ(rig.Main(fm::cmbMin), c.minute);
    EXPECT_EQ(rig.Main(fm::txtSnoozeDelay), c.delayBox);
    EXPECT_EQ(rig.program.global.SnoozeDelay, c.delay);
    EXPECT_EQ(rig.mainView.items[std::string(fm::cmbUur)].size(), 24u);
    EXPECT_EQ(rig.mainView.items[std::string(fm::cmbMin)],
              (std::vector<std::string>{"00", "05", "10", "15", "20", "25", "30", "35", "40", "45",
                                        "50", "55"}));
    EXPECT_TRUE(rig.mainView.visible);
    EXPECT_FALSE(rig.program.trayCallback.IsHidden);
  }
}

TEST(StartUp, ReadsUnderTheExecutablesOwnName) {
  Rig rig;
  rig.executable.name = "dq-test";
  rig.settings.values[Key("Hour")] = "7";
  rig.Start();
  EXPECT_EQ(rig.Main(fm::cmbUur), "00");
  rig.program.frmMain.cmdEnd_Click();
  EXPECT_EQ(rig.settings.values["dq-test/Settings/Hour"], "0");
}

TEST(Close, SavesNumberTextsAndOnlyAValidDelay) {
  const struct {
    std::string storedDelay, hour, minute, delayBox;
    std::string savedHour, savedMinute, savedDelay;
  } cases[] = {
      {"9", "07", "05", "15", "7", "5", "15"},
      {"9", "00", "59", "9", "0", "59", "9"},
      {"9", "99", "7.5", "9", "99", "7.5", "9"},  // no range check at close
      {"9", "abc", "", "0", "0", "0", "9"},       // an invalid delay keeps the last one
      {"12", "1", "2", "-3", "1", "2", "12"},
      {"12", "1", "2", "zz", "1", "2", "12"},
      {"9", "1", "2", "99", "1", "2", "99"},
      {"99.5", "1", "2", "100", "1", "2", "100"},  // restored as 100, saved as 100 again
      {"9", std::string(400, '9'), "1e400", "9", "1.79769313486232E+308", "1.79769313486232E+308",
       "9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + " " + c.minute + " " + c.delayBox);
    Rig rig;
    rig.settings.values[Key("SnoozeDelay")] = c.storedDelay;
    rig.Start();
    rig.SetInputs(c.hour, c.minute, c.delayBox);
    rig.program.frmMain.cmdEnd_Click();
    EXPECT_EQ(rig.Only("save"), (Log{"save Hour " + c.savedHour, "save Minute " + c.savedMinute,
                                     "save SnoozeDelay " + c.savedDelay}));
  }
}

TEST(Close, HidesWhileTheAlarmIsOnUnlessTheSessionEnds) {
  for (const auto reason : {CloseReason::User, CloseReason::Program, CloseReason::SessionEnd}) {
    Rig rig;
    rig.Start();
    rig.Arm("7", "0");
    rig.log.clear();
    const bool ending = reason == CloseReason::SessionEnd;
    EXPECT_EQ(rig.program.frmMain.CloseRequested(reason), ending);
    EXPECT_EQ(rig.log, ending ? Log{"main.Close"} : Log{"main.Hide"});  // nothing saved
  }
}

TEST(Close, WhileOffDeletesTheIconBeforeSavingAndEndsTheProgram) {
  Rig rig;
  rig.Start();
  EXPECT_TRUE(rig.program.frmMain.CloseRequested(CloseReason::User));
  EXPECT_EQ(rig.log, (Log{"tray delete 2 Dawnquill", "save Hour 0", "save Minute 0",
                          "save SnoozeDelay 9", "main.Close"}));
  EXPECT_TRUE(rig.program.frmMain.Unloaded());
}

TEST(Exit, TurnsTheAlarmOffFirstSoItNeverMerelyHides) {
  Rig rig;
  rig.Start();
  rig.Arm("7", "0");
  rig.log.clear();
  rig.program.frmMain.Click(fm::cmdEnd);
  EXPECT_TRUE(rig.program.frmMain.Unloaded());
  EXPECT_EQ(rig.Only("main.SetText lblStatus"), Log{"main.SetText lblStatus Alarm is off"});
  EXPECT_TRUE(rig.player.sent.empty());
}

}  // namespace
}  // namespace dawnquill::testing
