#pragma once

#include <string>

#include "core/alarm.h"
#include "core/alarm_tick.h"
#include "platform/clock.h"
#include "platform/form_view.h"
#include "platform/media_player.h"
#include "platform/message_box.h"
#include "platform/notification_icon.h"
#include "platform/settings_store.h"
#include "platform/sleep_inhibitor.h"
#include "player/player_remote.h"
#include "tray/tray_callback.h"
#include "tray/tray_icon.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_controls.h"
#include "ui/wake_up/wake_up_window.h"

namespace dawnquill {

// What a platform provides for the program to run on.
struct Backends {
  FormView& mainView;
  FormView& wakeUpView;
  MediaPlayer& player;
  NotificationIcon& notificationIcon;
  SettingsStore& settings;
  const Executable& executable;
  const Clock& clock;
  MessageBoxes& messageBoxes;
  EventPass& events;
  SleepInhibitor& inhibitor;
  std::string decimalSeparator;
};

// The whole program, wired once. The window kit forwards each window's events to mainWindow and
// wakeUpWindow, and the icon's to trayCallback.
class Program {
 public:
  explicit Program(const Backends& backends);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  PlayerRemote playerRemote;
  TrayIcon tray;
  MainWindowControls mainControls;
  Alarm alarm;
  WakeUpWindow wakeUpWindow;
  AlarmTick tick;
  TrayCallback trayCallback;
  MainWindow mainWindow;
};

}  // namespace dawnquill
