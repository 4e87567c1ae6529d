#pragma once

#include "core/alarm.h"
#include "core/window_roles.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace dawnquill {

// The main window's timer tick: the only place that decides to ring. It reads the clock,
// refreshes the tray, insists on a running player and rings at the armed or snoozed minute.
class AlarmTick {
 public:
  static constexpr std::string_view kPlayerPrompt =
      "Winamp is not running. Please start winamp to use the alarm.";
  static constexpr std::string_view kPlayerTitle = "Winamp not running";

  struct Parts {
    Alarm& alarm;
    const Clock& clock;
    TrayIcon& tray;
    PlayerRemote& player;
    TickWindow& mainWindow;
    MessageBoxes& messageBoxes;
    EventPass& events;
  };

  explicit AlarmTick(Parts parts) : parts_(parts) {}

  void TimerAlarm_Timer();

 private:
  // False when the user gave up, or the program began to end, while waiting.
  bool WaitForPlayer();

  Parts parts_;
};

}  // namespace dawnquill
