#include "app/program.h"

namespace dawnquill {

// Members that name each other are bound by reference before they are built; none is used
// until Start.
Program::Program(const Backends& b)
    : PlayerRemote(b.playerWindows),
      tray(b.notifyIcon, b.trayIcons),
      global({.mainWindow = b.mainView,
              .tray = tray,
              .player = PlayerRemote,
              .wakeUpWindow = frmAlarm,
              .messageBoxes = b.messageBoxes,
              .decimalSeparator = b.decimalSeparator}),
      frmAlarm(b.alarmView, global, b.clock),
      tick({.global = global,
            .clock = b.clock,
            .tray = tray,
            .player = PlayerRemote,
            .mainView = b.mainView,
            .mainWindow = frmMain,
            .messageBoxes = b.messageBoxes,
            .events = b.events}),
      trayCallback(b.mainView, frmMain, b.notifyIcon),
      frmMain({.view = b.mainView,
               .global = global,
               .tick = tick,
               .tray = tray,
               .trayCallback = trayCallback,
               .wakeUpWindow = frmAlarm,
               .settings = b.settings,
               .executable = b.executable}) {}

}  // namespace dawnquill
