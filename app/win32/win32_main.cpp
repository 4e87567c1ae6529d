#include <windows.h>

#include <commctrl.h>

#include "app/program.h"
#include "backends/win32/win32_desktop.h"
#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_notify_icon.h"
#include "backends/win32/win32_player.h"
#include "backends/win32/win32_settings_store.h"
#include "ui/main/main_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  using namespace dawnquill;
  InitCommonControls();
  HICON bell = LoadIconA(instance, MAKEINTRESOURCEA(1));
  Win32FormView mainView(main_window::Layout(), instance, bell);
  Win32FormView wakeUpView(wake_up_window::Layout(), instance, bell);
  wakeUpView.SetOwner(&mainView);
  Win32Player player;
  Win32SettingsStore settings(ExecutableName());
  Win32Clock clock;
  Win32MessageBoxes messageBoxes;
  Win32EventPass events;
  Win32NotifyIcon notifyIcon(instance);
  Win32SleepInhibitor inhibitor(mainView);

  Program program({.mainView = mainView,
                   .wakeUpView = wakeUpView,
                   .player = player,
                   .notificationIcon = notifyIcon,
                   .settings = settings,
                   .clock = clock,
                   .messageBoxes = messageBoxes,
                   .events = events,
                   .inhibitor = inhibitor,
                   .decimalSeparator = LocaleDecimalSeparator()});
  notifyIcon.SetEvents(&program.trayMenu);
  mainView.SetEvents(&program.mainWindow);
  wakeUpView.SetEvents(&program.wakeUpWindow);
  mainView.SetOnClosed([] { PostQuitMessage(0); });

  // A player prompt cancelled during start-up ends the program before any loop runs.
  if (!program.mainWindow.Start()) return 0;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!Win32FormView::DialogKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
