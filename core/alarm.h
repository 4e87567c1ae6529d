#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/alarm_record.h"
#include "core/ring_hearing.h"
#include "core/window_roles.h"
#include "interfaces/clock.h"
#include "interfaces/event_pass.h"
#include "interfaces/message_box.h"
#include "interfaces/ring_notice.h"
#include "interfaces/sleep_inhibitor.h"
#include "interfaces/wake_timer.h"
#include "player/player_remote.h"
#include "tray/tray_icon.h"

namespace dawnquill {

enum class AlarmState { Off, Armed, Ringing, Snoozing };

// The alarm: its state and times, and the four transitions that change the state together with
// everything the user sees of it: the main window's texts and inputs, the tray, the player and
// the wake-up window. While an alarm is pending the computer is kept awake for it, and every
// change is kept at once, so that a program started again carries the alarm on.
class Alarm {
 public:
  struct Parts {
    AlarmControls& controls;
    TrayIcon& tray;
    PlayerRemote& player;
    ModalWindow& wakeUpWindow;
    MessageBoxes& messageBoxes;
    SleepInhibitor& inhibitor;
    AlarmKeeper& keeper;
    WakeTimer& wakeTimer;
    RingNotice& ringNotice;
    RingHearing& hearing;
    EventPass& events;  // what can wait runs from the event loop, once the ring's window is up
    const Clock& clock;
    std::string decimalSeparator;  // of the user's locale, for the numbers written back
  };

  explicit Alarm(Parts parts) : parts_(std::move(parts)) {}

  // Arms the alarm for the time in the main window's boxes, once they pass their checks.
  void TurnOn();
  void TurnOff();
  // Silences a ring for the snooze delay in real minutes, counted from the start of the last
  // tick's minute, whatever the wall clock does meanwhile.
  void Snooze();
  // Plays, and holds the wake-up window open until the user snoozes or turns the alarm off.
  void Ring();
  // The toggle button: on while off, off while armed or snoozing, nothing while ringing.
  void Toggle();
  // The tick's give-up path: off, with nothing shown, as the program ends.
  void GiveUp();
  // At start-up, before the first tick: carries on an alarm that a program before this one left
  // on, without asking anything. A minute that came while no program ran rings at the first tick,
  // within the usual hour.
  void RestoreKept();

  // The time read at a tick, on the wall clock and in UTC; a snooze counts from the last one. A
  // snooze missed by more than the latest a ring may come gives way to the alarm's next day, and
  // so does one due further ahead than any snooze lasts (the clock was set back).
  void SetNow(const WallTime& now, std::chrono::sys_seconds utc);
  // A snooze counts from this instant instead of the last tick's: the tick waited for the player
  // until then, and the user snoozes in the minute the wait ended.
  void SetSnoozeOrigin(std::chrono::sys_seconds utc) { snoozeOrigin_ = utc; }
  // Sets the wake timer for what is due next, or cancels it: at every change, and whenever the
  // platform may have lost it (a resume, a suspend, the clock set).
  void ScheduleWake();
  // After a tick that did not ring: a wake-up that has called back, or whose instant passed
  // without a ring (a minute missed by over an hour), is set again for what is due next.
  void RenewSpentWake();
  // The platform woke the computer for the wake-up set last, and forgot it.
  void WakeSpent() { wakeSet_.reset(); }
  // Whether the armed or snoozed minute is the last tick's, or passed unseen since the tick
  // before it.
  bool RingIsDue() const;

  AlarmState State() const { return state_; }
  // Restored at start-up and kept at the close while the alarm is off.
  int SnoozeDelay() const { return snoozeDelay_; }
  void SetSnoozeDelay(int minutes) { snoozeDelay_ = minutes; }
  const std::string& DecimalSeparator() const { return parts_.decimalSeparator; }

 private:
  double NormaliseTimeField(AlarmControls::Input input);
  void Warn(std::string_view message);
  void Arm(int hour, int minute, int delay);
  void ShowSnooze();
  void SnoozeFor(std::chrono::sys_seconds due);
  void ShowState(const std::string& text, TrayPicture picture);
  void Show(const std::string& text, TrayPicture picture);
  void HoldAwake(const std::string& text);
  void StopRing();
  bool MinuteHasCome(int hour, int minute) const;
  std::chrono::sys_seconds LatestSnoozeRing() const;
  bool SnoozeGivesWay(std::chrono::sys_seconds utc) const;
  void Changed();
  void Keep();
  std::string DueTime() const;
  std::string WallText(std::chrono::sys_seconds instant) const;

  Parts parts_;
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
  std::optional<std::chrono::sys_seconds> wakeSet_;  // the wake-up asked for last, if any
  unsigned changes_ = 0;  // the ring's later effects hold only if nothing changed since
  bool toldKeepFailure_ = false;
  std::optional<WallTime> tickBefore_;  // none before the second tick
};

}  // namespace dawnquill
