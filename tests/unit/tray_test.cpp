#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

TEST(TrayCallback, TheIconAndItsMenuShowAndHideTheMainWindow) {
  struct Step {
    std::function<void(TrayCallback&)> act;
    Log log;
    bool hidden;
  };
  const auto menu = [](int i) { return [i](TrayCallback& t) { t.mnuTray_Click(i); }; };
  const auto activate = [](TrayCallback& t) { t.Activated(); };
  const Step steps[] = {
      {activate, {"main.Show"}, false},  // shows even when already visible
      {menu(0), {"main.Hide"}, true},    // IsHidden false: Show/Hide hides
      {menu(0), {"main.Show"}, false},
      {[](TrayCallback& t) { t.cmdToTray_Click(); }, {"main.Hide"}, true},
      {menu(1), {}, true},  // the separator
      {[](TrayCallback& t) { t.MenuRequested(); }, {"main.PopupMenu menuTray"}, true},
      {activate, {"main.Show"}, false},
  };
  StartedRig rig;
  for (const auto& step : steps) {
    rig.log.clear();
    step.act(rig.program.trayCallback);
    EXPECT_EQ(rig.log, step.log);
    EXPECT_EQ(rig.program.trayCallback.IsHidden, step.hidden);
  }
}

TEST(TrayCallback, WithoutANotificationAreaEveryHideMinimises) {
  Rig rig;
  rig.hasArea = false;
  rig.Start();
  rig.program.mainWindow.Click(main_window::cmdToTray);
  rig.program.trayCallback.mnuTray_Click(0);  // IsHidden is true now: shows
  rig.program.trayCallback.mnuTray_Click(0);
  rig.Arm("7", "0");
  rig.program.mainWindow.CloseRequested(CloseReason::User);
  EXPECT_EQ(rig.Only("main.Hide"), Log{});
  EXPECT_EQ(rig.Only("main.Minimise").size(), 3u);
}

}  // namespace
}  // namespace dawnquill::testing
