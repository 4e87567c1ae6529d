#include <cstdlib>
#include <string_view>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "app/program.h"
#include "backends/catalogue/catalogue_texts.h"
#include "backends/win32/win32_alarm_sound.h"
#include "backends/win32/win32_catalogue.h"
#include "backends/win32/win32_countdown.h"
#include "backends/win32/win32_desktop.h"
#include "backends/win32/win32_file_chooser.h"
#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_log_file.h"
#include "backends/win32/win32_message_boxes.h"
#include "backends/win32/win32_notify_icon.h"
#include "backends/win32/win32_player.h"
#include "backends/win32/win32_player_listener.h"
#include "backends/win32/win32_player_volume.h"
#include "backends/win32/win32_session_guard.h"
#include "backends/win32/win32_settings_store.h"
#include "backends/win32/win32_sign_in_start.h"
#include "backends/win32/win32_tick_timer.h"
#include "backends/win32/win32_wake_timer.h"
#include "core/logger.h"
#include "core/start_options.h"
#include "core/texts.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

// The runtime's own handler of an exception nobody caught names it on standard error, which a
// program of the Windows subsystem does not have; it would carry a demangler, a tenth of the
// executable, for nothing. The program ends the same way.
namespace __gnu_cxx {
void __verbose_terminate_handler();                   // NOLINT(bugprone-reserved-identifier)
void __verbose_terminate_handler() { std::abort(); }  // NOLINT(bugprone-reserved-identifier)
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  using namespace dawnquill;
  const std::vector<std::string_view> arguments(__argv, __argv + __argc);
  const StartOptions options = ReadStartOptions(arguments);
  // A second start hands over to the first, writes nothing and ends: two copies would ring twice
  // and write their settings over each other's.
  const Win32SessionGuard guard;
  if (!guard.First()) {
    if (!options.inTray) Win32SessionGuard::BringFirstForward();
    return 0;
  }
  Win32LogFile logFile;
  logger::SetSink(&logFile);
  InitCommonControls();
  const CatalogueTexts texts(UserCatalogue(instance));
  SetTexts(&texts);
  LPCWSTR bell = MAKEINTRESOURCEW(1);
  Win32FormView mainView(main_window::Layout(), instance, bell);
  mainView.AddToSystemMenu(MainControl::OptionsItem);
  Win32FormView wakeUpView(wake_up_window::Layout(), instance, bell);
  wakeUpView.SetOwner(&mainView);
  Win32FormView optionsView(options_window::Layout(), instance, bell);
  optionsView.SetOwner(&mainView);
  Win32FileChooser files(instance);
  Win32Player player;
  Win32PlayerVolume volume(player);
  Win32Countdown fadeSteps(instance);
  Win32Countdown trackProof(instance);
  Win32SettingsStore settings(ExecutableName());
  Win32Clock clock;
  Win32MessageBoxes messageBoxes(instance, wakeUpView);
  Win32EventPass events;
  Win32PlayerListener listener(player, events);
  Win32AlarmSound alarmSound;
  Win32NotifyIcon notifyIcon(instance);
  Win32SleepInhibitor inhibitor(mainView);
  Win32SignInStart signInStart;
  Win32RingNotice ringNotice;
  Win32WakeTimer wakeTimer(instance);
  Win32TickTimer tickTimer(instance);

  Program program({.mainView = mainView,
                   .wakeUpView = wakeUpView,
                   .optionsView = optionsView,
                   .files = files,
                   .player = player,
                   .playerListener = listener,
                   .alarmSound = alarmSound,
                   .notificationIcon = notifyIcon,
                   .settings = settings,
                   .clock = clock,
                   .messageBoxes = messageBoxes,
                   .inhibitor = inhibitor,
                   .signInStart = signInStart,
                   .wakeTimer = wakeTimer,
                   .tickTimer = tickTimer,
                   .ringNotice = ringNotice,
                   .notice = ringNotice,
                   .decimalSeparator = LocaleDecimalSeparator(),
                   .playerVolume = volume,
                   .fadeSteps = fadeSteps,
                   .trackProof = trackProof});
  mainView.SetOnClosed([] { PostQuitMessage(0); });
  // A suspend, a resume or a clock set by hand may leave the wake timer on a stale instant.
  mainView.SetOnMessage(WM_POWERBROADCAST, [&program](WPARAM event) {
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMSUSPEND) program.driver.WakeLost();
  });
  mainView.SetOnMessage(WM_TIMECHANGE, [&program](WPARAM) { program.driver.WakeLost(); });
  mainView.SetOnMessage(Win32SessionGuard::ComeForwardMessage(),
                        [&program](WPARAM) { program.trayMenu.ShowMainWindow(); });
  // The installer: an update keeps the alarm on for the program that follows, an uninstall
  // turns it off. Either ends the program without asking anybody.
  mainView.SetOnMessage(Win32SessionGuard::EndMessage(),
                        [&program](WPARAM forGood) { program.driver.Uninstall(forGood != 0); });

  // Ended while it opened, the program has no loop to run.
  if (!program.mainWindow.Start(options.inTray ? StartShown::InTray : StartShown::Window)) {
    return 0;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!Win32FormView::DialogKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return 0;
}
