#pragma once

#include <chrono>

#include "core/alarm.h"
#include "core/alarm_seen.h"
#include "core/alarm_wake.h"
#include "core/kept_alarm.h"
#include "core/ring_sound.h"
#include "interfaces/event_pass.h"

namespace dawnquill {

// Where the alarm's effects are carried out.
struct AlarmEffects {
  AlarmSeen& seen;
  KeptAlarm& kept;
  AlarmWake& wake;
  RingSound& sound;
  EventPass& events;  // what can wait runs from the event loop, once the ring's window is up
};

// What the user and the tick do to the alarm: the alarm decides each step, and this carries out
// what the step calls for, each effect in its one place, in one order.
class AlarmDriver {
 public:
  AlarmDriver(Alarm& alarm, AlarmEffects effects) : alarm_(alarm), effects_(effects) {}

  void Toggle() { Carry(alarm_.Toggle(effects_.seen.Typed())); }
  void TurnOff() { Carry(alarm_.TurnOff()); }
  void Snooze() { Carry(alarm_.Snooze()); }
  void GiveUp() { Carry(alarm_.GiveUp()); }
  // At start-up, before the first tick, without asking anything.
  void RestoreKept();
  // Plays, and holds the wake-up window open until the user snoozes or turns the alarm off.
  void Ring();

  void SetNow(const WallTime& now, std::chrono::sys_seconds utc) { Carry(alarm_.SetNow(now, utc)); }
  void ScheduleWake() { effects_.wake.Schedule(alarm_); }
  void RenewSpentWake() { effects_.wake.RenewIfSpent(alarm_); }
  void WakeSpent() { effects_.wake.Spent(); }

 private:
  void Carry(const AlarmDue& due);
  // Everything but the ring's own sound and window, and the window's close.
  void Follow(const AlarmDue& due);

  Alarm& alarm_;
  AlarmEffects effects_;
  // What the last ring calls for once its window is up, and the time it rang for.
  AlarmDue ringFollows_;
  std::string ringDue_;
};

}  // namespace dawnquill
