#include "app/program.h"

#include "ui/main/main_window_layout.h"

namespace dawnquill {

Program::Program(const Backends& b)
    : playerRemote(b.player),
      tray(b.notificationIcon),
      mainControls(b.mainView),
      wakeUpWindow(b.wakeUpView, b.clock),
      optionsWindow(b.optionsView, b.files),
      // The "Exit" command runs long after the program is built.
      trayMenu({.mainView = b.mainView,
                .menu = MainControl::IconMenu,
                .icon = b.notificationIcon,
                .exit = [this] { mainWindow.Exit(); }}),
      driver(b.clock, b.decimalSeparator,
             {.controls = mainControls,
              .tray = tray,
              .window = trayMenu,
              .boxes = b.messageBoxes,
              .ring = wakeUpWindow,
              .options = optionsWindow,
              .player = playerRemote,
              .listener = b.playerListener,
              .ownSound = b.alarmSound,
              .notice = b.ringNotice,
              .desktop = b.notice,
              .store = b.settings,
              .signIn = b.signInStart,
              .inhibitor = b.inhibitor,
              .wakeTimer = b.wakeTimer,
              .tickTimer = b.tickTimer,
              .clock = b.clock,
              .volume = b.playerVolume,
              .fadeSteps = b.fadeSteps,
              .trackProof = b.trackProof,
              .files = b.files}),
      mainWindow(b.mainView, driver, trayMenu) {
  driver.SetProgramWindow(mainWindow);
  wakeUpWindow.AnswerTo(driver);
  optionsWindow.AnswerTo(driver);
  b.mainView.SetEvents(&mainWindow);
  b.wakeUpView.SetEvents(&wakeUpWindow);
  b.optionsView.SetEvents(&optionsWindow);
  b.notificationIcon.SetEvents(&trayMenu);
  b.ringNotice.SetEvents(&driver);
  b.wakeTimer.SetEvents(&driver);
  b.tickTimer.SetEvents(&driver);
}

}  // namespace dawnquill
