#include <csignal>
#include <functional>
#include <vector>

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
// the core, and fakes only at the outer edge (clock, player, tray, settings, message boxes).
// Only the timers' periods are shortened, so that minutes of alarm pass in moments.
namespace dawnquill::testing {
namespace {

namespace mw = main_window;
namespace wu = wake_up_window;

// A message box is a nested event loop, as in the real program; each box runs the next step of
// the script once it has been open for a moment, then gives that step's answer.
class ScriptedBoxes final : public MessageBoxes {
 public:
  BoxAnswer Show(std::string_view, std::string_view, BoxKind, BoxButtons) override {
    ++shown;
    auto [answer, action] = steps.empty() ? Step{BoxAnswer::Cancel, {}} : steps.front();
    if (!steps.empty()) steps.erase(steps.begin());
    QEventLoop loop;
    QTimer::singleShot(30, &loop, [&, action = action] {
      if (action) action();
      loop.quit();
    });
    loop.exec();
    return answer;
  }
  using Step = std::pair<BoxAnswer, std::function<void()>>;
  std::vector<Step> steps;
  int shown = 0;
};

// Steps that each wait for their condition, polled from a timer of their own so that they also
// run inside the program's nested loops.
class Script {
 public:
  using Step = std::pair<std::function<bool()>, std::function<void()>>;
  explicit Script(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      while (next_ < steps_.size() && steps_[next_].first()) steps_[next_++].second();
    });
    poll_.start(5);
  }
  bool Done() const { return next_ == steps_.size(); }
  std::size_t Reached() const { return next_; }

 private:
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  QTimer poll_;
};

// The program wired as main() wires it, on real windows.
struct RealProgram {
  RealProgram() {
    mainView.SetEvents(&program.mainWindow);
    wakeUpView.SetEvents(&program.wakeUpWindow);
    // Where the real program ends its event loop, this records the end.
    mainView.SetOnClosed([this] { ended = true; });
    rig.clock.now = {6, 59, 0};
    // A test that fails must not hang in the wake-up window's loop.
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this] { wakeUpView.Close(); });
    watchdog.start(6000);
  }

  bool Ringing() const {
    return wakeUpView.Window() != nullptr && wakeUpView.Window()->isVisible();
  }
  void SetInputs(const char* hour, const char* minute, const char* delay) {
    mainView.SetText(mw::cmbHour, hour);
    mainView.SetText(mw::cmbMin, minute);
    mainView.SetText(mw::txtSnoozeDelay, delay);
  }
  void Arm(const char* hour, const char* minute, const char* delay) {
    SetInputs(hour, minute, delay);
    Click(mainView, mw::cmdToggleAlarm);
  }
  static void Click(QtFormView& view, std::string_view button) {
    qobject_cast<QAbstractButton*>(view.Widget(button))->click();
  }
  int Rings() const { return static_cast<int>(rig.Only("player Play").size()); }
  std::size_t Saves() const { return rig.Only("save").size(); }

  FastLayout mainLayout{mw::Layout(), 20};
  FastLayout wakeUpLayout{wu::Layout(), 20};
  QtFormView mainView{mainLayout.layout};
  QtFormView wakeUpView{wakeUpLayout.layout};
  Rig rig;
  ScriptedBoxes boxes;
  Program program{rig.BackendsWith(mainView, wakeUpView, rig.player, boxes)};
  bool ended = false;
  QTimer watchdog;
};

bool RunUntil(const Script& script) {
  return QTest::qWaitFor([&] { return script.Done(); }, 5000);
}

// The user sleeps through the music for two minutes, then snoozes for one: the snooze counts
// from the last tick before the press, so it rings again a minute later.
TEST(Program, TicksGoOnWhileRingingSoALateSnoozeRingsAgain) {
  RealProgram p;
  ASSERT_TRUE(p.program.mainWindow.Start());
  p.Arm("7", "0", "1");
  p.rig.clock.now = {7, 0, 0};
  std::size_t logged = 0;  // a tick while ringing logs its refresh of the tray
  Script script({
      {[&] { return p.Ringing(); },
       [&] {
         p.rig.clock.now = {7, 2, 10};
         logged = p.rig.log.size();
       }},
      {[&] { return p.rig.log.size() > logged; }, [&] { p.Click(p.wakeUpView, wu::cmdSnooze); }},
      {[&] { return !p.Ringing(); },
       [&] {
         p.rig.clock.now = {7, 3, 0};
       }},
      {[&] { return p.Ringing(); }, [&] { p.Click(p.wakeUpView, wu::cmdAlarmOff); }},
  });
  EXPECT_TRUE(RunUntil(script)) << "stopped before step " << script.Reached();
  EXPECT_EQ(p.Rings(), 2);
}

// The player quits while the alarm rings: the next tick asks for it, and Cancel ends the program
// and the wake-up window, saving the settings once, with the alarm off.
TEST(Program, APlayerQuittingWhileRingingIsAskedForAndCancelEndsTheProgram) {
  RealProgram p;
  ASSERT_TRUE(p.program.mainWindow.Start());
  p.Arm("7", "0", "5");
  p.rig.clock.now = {7, 0, 0};
  p.boxes.steps = {{BoxAnswer::Cancel, {}}};
  Script script({{[&] { return p.Ringing(); }, [&] { p.rig.player.running = false; }},
                 {[&] { return p.ended; }, [] {}}});
  EXPECT_TRUE(RunUntil(script)) << "stopped before step " << script.Reached();
  EXPECT_EQ(p.boxes.shown, 1);
  EXPECT_FALSE(p.Ringing());
  EXPECT_EQ(p.Saves(), 3u);
}

// Exit from the tray menu while a tick waits in its player prompt ends the wait and the program.
TEST(Program, ExitFromTheTrayWhileThePlayerPromptWaitsEndsTheProgram) {
  RealProgram p;
  ASSERT_TRUE(p.program.mainWindow.Start());
  p.rig.player.running = false;
  QMenu* menu = p.mainView.Menu(mw::menuTray);
  p.boxes.steps = {{BoxAnswer::Retry, [menu] { menu->actions().at(2)->trigger(); }}};
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
  } cases[] = {
      {false, [] { std::raise(SIGTERM); }},
      {true, [] { std::raise(SIGHUP); }},
      {false, quit},
      {true, quit},
  };
  for (const auto& c : cases) {
    RealProgram p;
    SessionEnd sessionEnd([&] { p.program.mainWindow.CloseRequested(CloseReason::SessionEnd); });
    ASSERT_TRUE(p.program.mainWindow.Start());
    p.SetInputs("6", "45", "7");
    if (c.armed) p.Click(p.mainView, mw::cmdToggleAlarm);
    c.end();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.ended; }, 5000));
    EXPECT_EQ(p.Saves(), c.armed ? 0u : 3u);
  }
}

}  // namespace
}  // namespace dawnquill::testing
