#pragma once

#include <string>

#include "core/alarm_driver.h"
#include "interfaces/alarm_sound.h"
#include "interfaces/clock.h"
#include "interfaces/countdown.h"
#include "interfaces/desktop_notice.h"
#include "interfaces/file_chooser.h"
#include "interfaces/form_view.h"
#include "interfaces/media_player.h"
#include "interfaces/message_box.h"
#include "interfaces/notification_icon.h"
#include "interfaces/player_listener.h"
#include "interfaces/player_volume.h"
#include "interfaces/ring_notice.h"
#include "interfaces/settings_store.h"
#include "interfaces/sign_in_start.h"
#include "interfaces/sleep_inhibitor.h"
#include "interfaces/tick_timer.h"
#include "interfaces/wake_timer.h"
#include "player/player_remote.h"
#include "tray/tray_icon.h"
#include "tray/tray_menu.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_controls.h"
#include "ui/options/options_window.h"
#include "ui/wake_up/wake_up_window.h"

namespace dawnquill {

// What a platform provides for the program to run on.
struct Backends {
  FormView& mainView;
  FormView& wakeUpView;
  FormView& optionsView;
  FileChooser& files;
  MediaPlayer& player;
  PlayerListener& playerListener;
  AlarmSound& alarmSound;
  NotificationIcon& notificationIcon;
  SettingsStore& settings;
  const Clock& clock;
  MessageBoxes& messageBoxes;
  SleepInhibitor& inhibitor;
  SignInStart& signInStart;
  WakeTimer& wakeTimer;
  TickTimer& tickTimer;
  RingNotice& ringNotice;
  DesktopNotice& notice;
  std::string decimalSeparator;
  PlayerVolume& playerVolume;
  Countdown& fadeSteps;
  Countdown& trackProof;
};

// The whole program, wired once: every connection between the alarm, its effects, the windows
// and the platform's objects is made here, and each platform's main only builds its own objects
// and hands them over. Each member is built from those before it.
class Program {
 public:
  explicit Program(const Backends& backends);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  PlayerRemote playerRemote;
  TrayIcon tray;
  MainWindowControls mainControls;
  WakeUpWindow wakeUpWindow;
  OptionsWindowForm optionsWindow;
  TrayMenu trayMenu;
  AlarmDriver driver;
  MainWindow mainWindow;
};

}  // namespace dawnquill
