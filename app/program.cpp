#include "app/program.h"

#include "ui/main/main_window_layout.h"

namespace dawnquill {

Program::Program(const Backends& b)
    : playerRemote(b.player),
      tray(b.notificationIcon),
      mainControls(b.mainView),
      hearing(b.playerListener, b.alarmSound, b.events),
      wakeUpWindow(b.wakeUpView, b.clock),
      alarm(b.clock, b.decimalSeparator),
      seen(mainControls, tray, b.messageBoxes, wakeUpWindow),
      kept(b.settings, b.signInStart, b.clock),
      wake(b.wakeTimer, b.inhibitor, b.clock),
      sound(playerRemote, hearing, b.ringNotice),
      driver(alarm, {.seen = seen, .kept = kept, .wake = wake, .sound = sound, .events = b.events}),
      tick({.alarm = alarm,
            .driver = driver,
            .clock = b.clock,
            .tray = tray,
            .player = playerRemote,
            .messageBoxes = b.messageBoxes,
            .events = b.events,
            .hearing = hearing}),
      // The "Exit" command runs long after the program is built.
      trayMenu({.mainView = b.mainView,
                .menu = MainControl::IconMenu,
                .icon = b.notificationIcon,
                .exit = [this] { mainWindow.Exit(); }}),
      mainWindow({.view = b.mainView,
                  .alarm = alarm,
                  .driver = driver,
                  .tick = tick,
                  .tray = tray,
                  .trayMenu = trayMenu,
                  .wakeUpWindow = wakeUpWindow,
                  .settings = b.settings,
                  .messageBoxes = b.messageBoxes,
                  .notice = b.notice}) {
  wakeUpWindow.AnswerTo(driver);
  tick.SetWindow(mainWindow);
  b.mainView.SetEvents(&mainWindow);
  b.wakeUpView.SetEvents(&wakeUpWindow);
  b.notificationIcon.SetEvents(&trayMenu);
  b.ringNotice.SetEvents(&wakeUpWindow);
  b.wakeTimer.SetEvents(&tick);
}

}  // namespace dawnquill
