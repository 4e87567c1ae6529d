#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/alarm_record.h"
#include "core/window_roles.h"
#include "interfaces/clock.h"
#include "interfaces/notification_icon.h"

namespace dawnquill {

enum class AlarmState { Off, Armed, Ringing, Snoozing };

// What the user typed into the hour, minute and snooze delay boxes.
struct ArmingTexts {
  std::string hour, minute, snoozeDelay;
};

// What one step of the alarm calls for. The alarm only decides; AlarmDriver carries each part out
// in the one place that does it.
struct AlarmDue {
  enum class Kept {
    Nothing,
    Record,     // the record follows the alarm: written while it is on, removed once it is off
    CarriedOn,  // the record stands, and the program starts with the session again
  };

  bool shown = false;  // the status and the tray follow the state
  bool held = false;   // the computer is held awake while an alarm is pending, or let sleep
  Kept kept = Kept::Nothing;
  bool woken = false;         // the wake timer follows what is due next
  bool inputsFollow = false;  // the toggle's caption and the boxes' lock follow the state
  bool ringStops = false;     // a ring ended: its sounds stop
  bool windowCloses = false;  // the wake-up window goes, wherever the ring was answered
  bool programEnds = false;   // nothing may wait for the user any more
  // The boxes' new texts, by AlarmControls::Input; none for a box left as typed.
  std::array<std::optional<std::string>, 3> texts;
  std::string warning;  // why the boxes could not arm
  std::string note;     // the log's line
};

// The alarm clock's state, its times and the rules that change them. Each step takes the time,
// the user's action or what the program knows, and returns what it calls for; nothing here
// reaches the world.
class Alarm {
 public:
  // `clock`: the zone's rules, for the wall time of an instant. `decimalSeparator`: the user's
  // locale's, for the numbers written back into the boxes.
  Alarm(const Clock& clock, std::string decimalSeparator)
      : clock_(clock), decimalSeparator_(std::move(decimalSeparator)) {}

  // The toggle button: on while off, off while armed or snoozing, nothing while ringing.
  AlarmDue Toggle(const ArmingTexts& typed);
  // Arms for the typed time once the boxes pass their checks.
  AlarmDue TurnOn(const ArmingTexts& typed);
  AlarmDue TurnOff();
  // Silences a ring for the snooze delay in real minutes, counted from the start of the last
  // tick's minute, whatever the wall clock does meanwhile.
  AlarmDue Snooze();
  AlarmDue Ring();
  // Off, as the program ends: the prompt for a player was cancelled.
  AlarmDue GiveUp();
  // Carries on an alarm that a program before this one left on. A minute that came while no
  // program ran rings at the first tick, within the usual hour.
  AlarmDue Restore(const AlarmRecord& kept);

  // The time read at a tick, on the wall clock and in UTC; a snooze counts from the last one. A
  // snooze missed by more than the latest a ring may come gives way to the alarm's next day, and
  // so does one due further ahead than any snooze lasts (the clock was set back).
  AlarmDue SetNow(const WallTime& now, std::chrono::sys_seconds utc);
  // A snooze counts from this instant instead of the last tick's: the tick waited for the player
  // until then, and the user snoozes in the minute the wait ended.
  void SetSnoozeOrigin(std::chrono::sys_seconds utc) { snoozeOrigin_ = utc; }
  // Whether the armed or snoozed minute is the last tick's, or passed unseen since the tick
  // before it.
  bool RingIsDue() const;

  AlarmState State() const { return state_; }
  // Restored at start-up and kept at the close while the alarm is off.
  int SnoozeDelay() const { return snoozeDelay_; }
  void SetSnoozeDelay(int minutes) { snoozeDelay_ = minutes; }
  const std::string& DecimalSeparator() const { return decimalSeparator_; }
  // The main window's status line and the tray's tip.
  std::string Status() const;
  TrayPicture Picture() const;
  // When the alarm or the snooze rings, on the wall clock: 7:05.
  std::string DueTime() const;
  // The instant of the next ring, while one is pending.
  std::optional<std::chrono::sys_seconds> NextRing() const;
  AlarmRecord Record(std::chrono::sys_seconds written) const;
  std::chrono::sys_seconds LastTick() const { return lastTickUtc_; }
  // Moves at every step: what was due from a step holds only while this has not moved since.
  unsigned Steps() const { return steps_; }

 private:
  double NormaliseTimeField(AlarmControls::Input input, const std::string& typed, AlarmDue& due);
  std::string_view CheckedArming(const ArmingTexts& typed, AlarmDue& due);
  void Arm(int hour, int minute, int delay, AlarmDue& due);
  void SnoozeFor(std::chrono::sys_seconds due);
  bool MinuteHasCome(int hour, int minute) const;
  std::chrono::sys_seconds LatestSnoozeRing() const;
  bool SnoozeGivesWay(std::chrono::sys_seconds utc) const;

  const Clock& clock_;
  std::string decimalSeparator_;
  AlarmState state_ = AlarmState::Off;
  int alarmHour_ = 0;
  int alarmMinute_ = 0;
  int snoozeDelay_ = 0;
  std::optional<std::chrono::sys_seconds> snoozeDue_;  // snoozing, or ringing after a snooze
  std::optional<std::chrono::sys_seconds> rang_;       // ringing: the minute that rang
  WallTime lastTick_;                                  // what the ring's decision compares
  std::chrono::sys_seconds lastTickUtc_{};
  std::chrono::sys_seconds snoozeOrigin_{};  // the last tick's, or the end of a wait for the player
  bool ticked_ = false;
  std::optional<WallTime> tickBefore_;  // none before the second tick
  unsigned steps_ = 0;
};

}  // namespace dawnquill
