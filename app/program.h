#pragma once

#include <string>

#include "core/alarm_tick.h"
#include "core/global.h"
#include "platform/clock.h"
#include "platform/form_view.h"
#include "platform/message_box.h"
#include "platform/notify_icon.h"
#include "platform/player_windows.h"
#include "platform/settings_store.h"
#include "player/winamp_control.h"
#include "tray/tray_callback.h"
#include "tray/tray_icon.h"
#include "ui/alarm/frm_alarm.h"
#include "ui/main/frm_main.h"

namespace dawnquill {

// What a platform provides for the program to run on.
struct Backends {
  FormView& mainView;
  FormView& alarmView;
  PlayerWindows& playerWindows;
  NotifyIcon& notifyIcon;
  ImageList& trayIcons;
  SettingsStore& settings;
  const Executable& executable;
  const Clock& clock;
  MessageBoxes& messageBoxes;
  EventPass& events;
  std::string decimalSeparator;
};

// The whole program, wired once. The window kit forwards each window's events to frmMain and
// frmAlarm, and the icon's reports to trayCallback.
class Program {
 public:
  explicit Program(const Backends& backends);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  WinampControl PlayerRemote;
  TrayIcon tray;
  Global global;
  FrmAlarm frmAlarm;
  AlarmTick tick;
  TrayCallback trayCallback;
  FrmMain frmMain;
};

}  // namespace dawnquill
