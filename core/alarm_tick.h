#pragma once

#include "core/alarm.h"
#include "core/window_roles.h"
#include "interfaces/clock.h"
#include "interfaces/event_pass.h"
#include "interfaces/message_box.h"

namespace dawnquill {

// The main window's five-second tick: the only place that decides to ring. It reads the clock,
// refreshes the tray, insists on a running player and rings at the armed or snoozed minute.
class AlarmTick {
 public:
  struct Parts {
    Alarm& alarm;
    const Clock& clock;
    TrayIcon& tray;
    PlayerRemote& player;
    TickWindow& mainWindow;
    MessageBoxes& messageBoxes;
    EventPass& events;
    RingHearing& hearing;
  };

  explicit AlarmTick(Parts parts) : parts_(parts) {}

  void Tick();
  // The computer woke for the alarm: a tick, besides the five-second timer's.
  void Woken();

 private:
  // False when the user gave up, or the program began to end, while waiting.
  bool WaitForPlayer();

  Parts parts_;
  bool waitingForPlayer_ = false;  // a tick from outside the timer meanwhile does nothing
};

}  // namespace dawnquill
