#include <csignal>
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "fakes/fast_layout.h"
#include "fakes/rig.h"
#include "platform/qt/qt_form_view.h"
#include "platform/qt/qt_session_end.h"

// The real program in process: the Qt window kit with its real timers and nested event loops,
// the core, and fakes only at the outer edge (clock, player, tray, settings, message boxes), for
// the paths that the end-to-end cases cannot reach: re-entrancy while a prompt waits, and the
// session manager's quit. The alarm timer is sped up so that its ticks come in moments.
namespace dawnquill::testing {
namespace {

// A message box is a nested event loop, as in the real program; while it is open for a moment
// the user does `whileOpen`, then it answers Retry.
class NestedBoxes final : public MessageBoxes {
 public:
  BoxAnswer Show(std::string_view, std::string_view, BoxKind, BoxButtons) override {
    ++shown;
    QEventLoop loop;
    QTimer::singleShot(30, &loop, [&] {
      if (whileOpen) whileOpen();
      loop.quit();
    });
    loop.exec();
    return BoxAnswer::Retry;
  }
  std::function<void()> whileOpen;
  int shown = 0;
};

// The program wired as main() wires it, on real windows.
struct RealProgram {
  RealProgram() {
    mainView.SetEvents(&program.mainWindow);
    wakeUpView.SetEvents(&program.wakeUpWindow);
    // Where the real program ends its event loop, this records the end.
    mainView.SetOnClosed([this] { ended = true; });
  }
  std::size_t Saves() const { return rig.Only("save").size(); }

  FastLayout mainLayout{main_window::Layout(), 20};
  QtFormView mainView{mainLayout.layout};
  QtFormView wakeUpView{wake_up_window::Layout()};
  Rig rig;
  NestedBoxes boxes;
  Program program{rig.BackendsWith(mainView, wakeUpView, boxes)};
  bool ended = false;
};

// Exit from the tray menu while a tick waits in its player prompt ends the wait and the program.
TEST(Program, ExitFromTheTrayWhileThePlayerPromptWaitsEndsTheProgram) {
  RealProgram p;
  ASSERT_TRUE(p.program.mainWindow.Start());
  p.rig.playerRunning = false;
  QMenu* menu = p.mainView.Menu(main_window::menuTray);
  p.boxes.whileOpen = [menu] { menu->actions().at(2)->trigger(); };
  EXPECT_TRUE(QTest::qWaitFor([&] { return p.ended; }, 5000));
  EXPECT_EQ(p.boxes.shown, 1);
  EXPECT_EQ(p.Saves(), 3u);
}

// The end of the session cannot be refused: the program ends at once, and saves only with the
// alarm off. It arrives as a signal or as the session manager's quit.
TEST(Program, TheEndOfTheSessionEndsTheProgramAndSavesOnlyWithTheAlarmOff) {
  const auto quit = [] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit)); };
  const struct {
    bool armed;
    std::function<void()> end;
  } cases[] = {{false, [] { std::raise(SIGTERM); }},
               {true, [] { std::raise(SIGHUP); }},
               {false, quit},
               {true, quit}};
  for (const auto& c : cases) {
    RealProgram p;
    SessionEnd sessionEnd([&] { p.program.mainWindow.CloseRequested(CloseReason::SessionEnd); });
    ASSERT_TRUE(p.program.mainWindow.Start());
    p.mainView.SetText(main_window::cmbHour, "6");
    if (c.armed) {
      qobject_cast<QAbstractButton*>(p.mainView.Widget(main_window::cmdToggleAlarm))->click();
    }
    c.end();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.ended; }, 5000));
    EXPECT_EQ(p.Saves(), c.armed ? 0u : 3u);
  }
}

}  // namespace
}  // namespace dawnquill::testing
