#include "app/program.h"

#include "ui/main/main_window_layout.h"

namespace dawnquill {

// Members that name each other are bound by reference before they are built; none is used
// until Start.
Program::Program(const Backends& b)
    : playerRemote(b.player),
      keeper(b.settings, b.signInStart),
      tray(b.notificationIcon),
      mainControls(b.mainView),
      hearing(b.playerListener, b.alarmSound, b.events),
      alarm({.controls = mainControls,
             .tray = tray,
             .player = playerRemote,
             .wakeUpWindow = wakeUpWindow,
             .messageBoxes = b.messageBoxes,
             .inhibitor = b.inhibitor,
             .keeper = keeper,
             .wakeTimer = b.wakeTimer,
             .ringNotice = b.ringNotice,
             .hearing = hearing,
             .events = b.events,
             .clock = b.clock,
             .decimalSeparator = b.decimalSeparator}),
      wakeUpWindow(b.wakeUpView, alarm, b.clock),
      tick({.alarm = alarm,
            .clock = b.clock,
            .tray = tray,
            .player = playerRemote,
            .mainWindow = mainWindow,
            .messageBoxes = b.messageBoxes,
            .events = b.events,
            .hearing = hearing}),
      trayMenu({.mainView = b.mainView,
                .menu = MainControl::IconMenu,
                .icon = b.notificationIcon,
                .exit = [this] { mainWindow.Exit(); }}),
      mainWindow({.view = b.mainView,
                  .alarm = alarm,
                  .tick = tick,
                  .tray = tray,
                  .trayMenu = trayMenu,
                  .wakeUpWindow = wakeUpWindow,
                  .settings = b.settings,
                  .messageBoxes = b.messageBoxes,
                  .notice = b.notice}) {}

}  // namespace dawnquill
