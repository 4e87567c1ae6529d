#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

TEST(TrayMenu, TheIconAndItsMenuShowAndHideTheMainWindow) {
  struct Step {
    std::function<void(Program&)> act;
    Log log;
  };
  const auto showHide = [](Program& p) { p.trayMenu.Choose(TrayCommand::ShowHide); };
  const auto activate = [](Program& p) { p.trayMenu.Activated(); };
  const Step steps[] = {
      {activate, {"main.Show"}},  // shows even when already visible
      {showHide, {"main.Hide"}},  // not hidden by the program: Show/Hide hides
      {showHide, {"main.Show"}},
      {[](Program& p) { p.mainWindow.Click(MainControl::ToTrayButton); }, {"main.Hide"}},
      {[](Program& p) { p.trayMenu.MenuRequested(); }, {"main.OpenMenu"}},
      {activate, {"main.Show"}},
      {showHide, {"main.Hide"}},  // shown by the icon: Show/Hide hides again
  };
  Rig rig;
  for (const auto& step : steps) {
    rig.log.clear();
    step.act(rig.program);
    EXPECT_EQ(rig.log, step.log);
  }
}

TEST(TrayMenu, WithoutANotificationAreaEveryHideMinimises) {
  Rig rig(Rig::NotStarted);
  rig.hasArea = false;
  rig.StartProgram();
  rig.program.mainWindow.ToTray();
  rig.program.mainWindow.Click(MainControl::ShowHideItem);  // hidden by the program: shows
  rig.program.mainWindow.Click(MainControl::ShowHideItem);
  rig.Arm("7", "0");
  rig.program.mainWindow.CloseRequested(CloseReason::User);
  EXPECT_EQ(rig.Only("main.Hide"), Log{});
  EXPECT_EQ(rig.Only("main.Minimise").size(), 3u);
}

}  // namespace
}  // namespace dawnquill::testing
