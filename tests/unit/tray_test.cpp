#include <algorithm>

#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

TEST(TrayRecord, IsFilledAndAddedAtStartUpThenRefreshedByTheFirstTick) {
  Rig rig;
  rig.program.frmMain.Start();
  EXPECT_EQ(rig.Only("tray"), (Log{"tray add 2 Dawnquill", "tray modify 2 Dawnquill"}));
  const TrayData& data = rig.shell.last;
  EXPECT_EQ(data.cbSize, 88u);
  EXPECT_EQ(data.hWnd, 0x1234u);
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 512u);
}

TEST(TrayRecord, TipIsTheTextOneNulThenSpaces) {
  Rig rig;
  rig.Start();
  rig.program.frmMain.Click(frm_main::cmdToggleAlarm);
  rig.program.frmMain.Click(frm_main::cmdToggleAlarm);
  const auto& tip = rig.shell.last.szTip;
  const std::string text = "Alarm is off";
  EXPECT_TRUE(std::equal(text.begin(), text.end(), tip.begin()));
  EXPECT_EQ(tip[12], '\0');
  EXPECT_EQ(std::count(tip.begin() + 13, tip.end(), ' '), 51);
}

TEST(TrayRecord, ATipTooLongForTheFieldKeepsItsNul) {
  Rig rig;
  rig.program.tray.Publish(std::string(70, 'x'), 1);
  EXPECT_EQ(rig.program.tray.Tip(), std::string(63, 'x'));
  EXPECT_EQ(rig.shell.last.szTip[63], '\0');
}

TEST(TrayCallback, ReportsAndMenuShowAndHideTheMainWindow) {
  struct Step {
    std::function<void(TrayCallback&)> act;
    Log log;
    bool hidden;
  };
  const auto report = [](int n) { return [n](TrayCallback& t) { t.TrayReport(n); }; };
  const auto menu = [](int i) { return [i](TrayCallback& t) { t.mnuTray_Click(i); }; };
  const Step steps[] = {
      {report(515), {"main.Show"}, false},  // shows even when already visible
      {menu(0), {"main.Hide"}, true},       // IsHidden false: Show/Hide hides
      {menu(0), {"main.Show"}, false},
      {[](TrayCallback& t) { t.cmdToTray_Click(); }, {"main.Hide"}, true},
      {report(512), {}, true},
      {report(513), {}, true},
      {report(514), {}, true},
      {report(516), {}, true},
      {report(518), {}, true},
      {menu(1), {}, true},  // the separator
      {report(517), {"main.PopupMenu menuTray"}, true},
      {report(515), {"main.Show"}, false},
  };
  Rig rig;
  rig.Start();
  for (const auto& step : steps) {
    rig.log.clear();
    step.act(rig.program.trayCallback);
    EXPECT_EQ(rig.log, step.log);
    EXPECT_EQ(rig.program.trayCallback.IsHidden, step.hidden);
  }
}

TEST(TrayCallback, WithoutANotificationAreaEveryHideMinimises) {
  Rig rig;
  rig.shell.hasArea = false;
  rig.Start();
  rig.program.frmMain.Click(frm_main::cmdToTray);
  rig.program.trayCallback.mnuTray_Click(0);  // IsHidden is true now: shows
  rig.program.trayCallback.mnuTray_Click(0);
  rig.Arm("7", "0");
  rig.program.frmMain.CloseRequested(CloseReason::User);
  EXPECT_EQ(rig.Only("main.Hide"), Log{});
  EXPECT_EQ(rig.Only("main.Minimise").size(), 3u);
  EXPECT_TRUE(rig.program.frmMain.Loaded());
}

}  // namespace
}  // namespace dawnquill::testing
