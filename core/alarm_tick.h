#pragma once

#include "core/alarm.h"
#include "core/alarm_driver.h"
#include "core/window_roles.h"
#include "interfaces/clock.h"
#include "interfaces/event_pass.h"
#include "interfaces/message_box.h"
#include "interfaces/wake_timer.h"

namespace dawnquill {

// The main window's five-second tick: the only place that decides to ring. It reads the clock,
// refreshes the tray, insists on a running player and rings at the armed or snoozed minute.
class AlarmTick final : public WakeTimerEvents {
 public:
  struct Collaborators {
    Alarm& alarm;
    AlarmDriver& driver;
    const Clock& clock;
    TrayIcon& tray;
    PlayerRemote& player;
    MessageBoxes& messageBoxes;
    EventPass& events;
    RingHearing& hearing;
  };

  explicit AlarmTick(Collaborators with) : with_(with) {}

  // The window whose timer ticks. Connected once, before the first tick.
  void SetWindow(TickWindow& window) { window_ = &window; }
  void Tick();
  // The computer woke for the alarm: a tick, besides the five-second timer's.
  void Woken() override;

 private:
  // False when the user gave up, or the program began to end, while waiting.
  bool WaitForPlayer();

  Collaborators with_;
  TickWindow* window_ = nullptr;
  bool waitingForPlayer_ = false;  // a tick from outside the timer meanwhile does nothing
};

}  // namespace dawnquill
