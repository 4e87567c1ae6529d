#include <csignal>
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_session_end.h"
#include "fakes/rig.h"

// The real program in process: the Qt window kit with its real timers, the core, and fakes only
// at the outer edge (clock, player, tray, settings, message boxes), for the session manager's
// quit, which the end-to-end cases cannot send, and the signals of a session's end beside it.
namespace dawnquill::testing {
namespace {

// The program wired as main() wires it, on real windows.
struct RealProgram {
  RealProgram() {
    // Where the real program ends its event loop, this records the end.
    mainView.SetOnClosed([this] { ended = true; });
  }

  QtFormView mainView{main_window::Layout()};
  QtFormView wakeUpView{wake_up_window::Layout()};
  QtFormView optionsView{options_window::Layout()};
  Rig rig{Rig::NotStarted};
  Program program{rig.BackendsWith(mainView, wakeUpView, optionsView)};
  bool ended = false;
};

// The end of the session cannot be refused: the program ends at once, and saves the settings only
// with the alarm off; an armed alarm stays kept for the next start. It arrives as a signal or as
// the session manager's quit.
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
    SessionEnd sessionEnd([&] { return p.program.mainWindow.SessionMayEnd(); },
                          [&] { p.program.mainWindow.CloseRequested(CloseReason::SessionEnd); });
    ASSERT_TRUE(p.program.mainWindow.Start());
    p.mainView.SetText(MainControl::HourBox, "6");
    if (c.armed) {
      qobject_cast<QAbstractButton*>(p.mainView.Widget(MainControl::ToggleButton))->click();
    }
    c.end();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.ended; }, 5000));
    EXPECT_EQ(p.rig.Only("save"),
              Log{c.armed ? "save Alarm 6:00 delay 9 written 2027-03-01T05:00:00Z" : "save 6 0 9"});
  }
}

}  // namespace
}  // namespace dawnquill::testing
