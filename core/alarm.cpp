#include "core/alarm.h"

#include <cstdio>

#include "core/logger.h"
#include "core/missed_minute.h"
#include "core/number_rules.h"
#include "core/wall_clock.h"

namespace dawnquill {

using Input = AlarmControls::Input;
using std::chrono::minutes;
using std::chrono::seconds;

namespace {

std::string HourMinute(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
  return text;
}

}  // namespace

void Alarm::Toggle() {
  switch (state_) {
    case AlarmState::Off:
      TurnOn();
      break;
    case AlarmState::Armed:
    case AlarmState::Snoozing:
      TurnOff();
      break;
    case AlarmState::Ringing:
      break;
  }
}

// A numeric text is first rounded to a whole number, so that 7.6 arms for 8; then the box shows
// the plain number text of what was read, 07 becoming 7.
double Alarm::NormaliseTimeField(Input input) {
  const std::string text = parts_.controls.Text(input);
  const double value = numbers::IsNumericText(text)
                           ? numbers::RoundHalfEven(numbers::LeadingNumber(text))
                           : numbers::LeadingNumber(text);
  parts_.controls.SetText(input, numbers::NumberText(value, parts_.decimalSeparator));
  return value;
}

void Alarm::TurnOn() {
  const double hour = NormaliseTimeField(Input::Hour);
  if (hour < 0 || hour > 23) return Warn("Fill in an hour between 0 and 23");
  const double minute = NormaliseTimeField(Input::Minute);
  if (minute < 0 || minute > 59) return Warn("Fill in a minute between 0 and 59");
  const double delay = numbers::LeadingNumber(parts_.controls.Text(Input::SnoozeDelay));
  parts_.controls.SetText(Input::SnoozeDelay, numbers::NumberText(delay, parts_.decimalSeparator));
  if (delay < 1 || delay > kLongestSnoozeDelay) {
    return Warn("Fill in a snooze delay between 1 and 99 minutes");
  }

  // All three are in range, so their whole values fit.
  Arm(*numbers::WholeValue(hour), *numbers::WholeValue(minute), *numbers::WholeValue(delay));
  logger::Write({"Alarm on for ", DueTime(), ", snoozes of ", std::to_string(snoozeDelay_),
                 snoozeDelay_ == 1 ? " minute" : " minutes"});
  Changed();
}

void Alarm::Arm(int hour, int minute, int delay) {
  state_ = AlarmState::Armed;
  alarmHour_ = hour;
  alarmMinute_ = minute;
  snoozeDelay_ = delay;
  snoozeDue_.reset();
  rang_.reset();
  parts_.controls.SetToggleCaption("Turn alarm off");
  parts_.controls.SetInputsEnabled(false);
  ShowState("Alarm is on - Time: " + HourMinute(alarmHour_, alarmMinute_), TrayPicture::Armed);
}

void Alarm::TurnOff() {
  StopRing();
  state_ = AlarmState::Off;
  logger::Write({"Alarm off"});
  Changed();
  parts_.controls.SetToggleCaption("Turn alarm on");
  parts_.controls.SetInputsEnabled(true);
  ShowState("Alarm is off", TrayPicture::Off);
  parts_.wakeUpWindow.Close();
}

void Alarm::Snooze() {
  StopRing();
  // From the last tick's time, not a fresh reading: that is the minute the user snoozed in.
  SnoozeFor(std::chrono::floor<minutes>(snoozeOrigin_) + minutes{snoozeDelay_});
  logger::Write({"Snoozed until ", DueTime()});
  Changed();
}

void Alarm::SnoozeFor(std::chrono::sys_seconds due) {
  state_ = AlarmState::Snoozing;
  snoozeDue_ = due;
  rang_.reset();
  ShowSnooze();
}

// The wall time at which it will ring, by the zone's rules: across the night the clocks go back,
// ten minutes from 2:55 summer time are 2:05.
void Alarm::ShowSnooze() { ShowState("Snooze is on - Time: " + DueTime(), TrayPicture::Armed); }

std::string Alarm::DueTime() const {
  if (state_ != AlarmState::Snoozing) return HourMinute(alarmHour_, alarmMinute_);
  const WallTime due = parts_.clock.LocalAt(*snoozeDue_);
  return HourMinute(due.hour, due.minute);
}

// The ring is kept as due at the minute that rang, so that a program killed while it rings
// rings again when started within the hour.
void Alarm::Ring() {
  const std::string due = DueTime();
  const bool played = parts_.player.Play();
  rang_ = state_ == AlarmState::Snoozing
              ? *snoozeDue_
              : std::chrono::floor<minutes>(lastTickUtc_) -
                    minutes{MinutesSince(alarmHour_, alarmMinute_, lastTick_)};
  state_ = AlarmState::Ringing;
  const std::string status = "Alarm!";
  Show(status, TrayPicture::Ringing);
  logger::Write({"Ringing for ", due, ": the player was told to play"});
  parts_.ringNotice.Show(due);
  parts_.hearing.Begin(played);
  // The window first: the hold, the record and the wake-up may each wait on a slow service. A
  // ring that ended before they ran did all of them itself.
  parts_.events.Later([this, status, change = changes_] {
    if (change != changes_) return;
    HoldAwake(status);
    Changed();
  });
  parts_.wakeUpWindow.ShowModal();
  // However the ring ended: a snooze, off, or the program's end.
  parts_.hearing.End();
  parts_.ringNotice.Close();
}

// The own sound first, the player after: the player may take up to a call's bound to answer.
void Alarm::StopRing() {
  if (state_ != AlarmState::Ringing) return;
  parts_.hearing.End();
  parts_.player.Stop();
}

// Every change the user or a ring makes is kept at once, or cleared with the alarm off, and the
// wake timer follows what is due next.
void Alarm::Changed() {
  Keep();
  ScheduleWake();
}

// A store that cannot keep the alarm leaves it on for this run alone; the user hears so once,
// but not in the middle of a ring, which the next change follows soon enough.
void Alarm::Keep() {
  const bool off = state_ == AlarmState::Off;
  const std::string failure = off ? parts_.keeper.Clear()
                                  : parts_.keeper.Keep({.hour = alarmHour_,
                                                        .minute = alarmMinute_,
                                                        .snoozeDelay = snoozeDelay_,
                                                        .snoozeDue = snoozeDue_,
                                                        .rang = rang_,
                                                        .written = parts_.clock.Utc()});
  if (failure.empty()) return;
  const std::string what = off ? "The alarm that was turned off could not be removed from the "
                                 "settings: it comes back when DawnQuill starts again."
                               : "The alarm could not be written down: it rings only while this "
                                 "DawnQuill runs, and not after a restart.";
  logger::Write({what, " ", failure});
  if (toldKeepFailure_ || state_ == AlarmState::Ringing) return;
  toldKeepFailure_ = true;
  parts_.messageBoxes.Show(what + "\n\n" + failure, "DawnQuill", BoxKind::Warning, BoxButtons::Ok);
}

void Alarm::RestoreKept() {
  const std::optional<AlarmRecord> kept = parts_.keeper.Kept();
  if (!kept) return;
  const AlarmRecord& r = *kept;
  parts_.keeper.CarryOn();
  Arm(r.hour, r.minute, r.snoozeDelay);
  for (const auto& [input, value] : {std::pair{Input::Hour, r.hour},
                                     {Input::Minute, r.minute},
                                     {Input::SnoozeDelay, r.snoozeDelay}}) {
    parts_.controls.SetText(input, numbers::NumberText(value, parts_.decimalSeparator));
  }
  if (r.snoozeDue) SnoozeFor(*r.snoozeDue);
  // As if a tick had seen the moment of the record, or the second before the minute that rang:
  // the first tick then rings for a minute passed since, and not for one a day before.
  lastTickUtc_ = r.rang ? *r.rang - seconds{1} : r.written;
  snoozeOrigin_ = lastTickUtc_;
  lastTick_ = parts_.clock.LocalAt(lastTickUtc_);
  ticked_ = true;
  tickBefore_.reset();
  logger::Write({"Alarm for ", HourMinute(r.hour, r.minute), " carried on from the last run",
                 r.rang ? ", which it rang in" : "", r.snoozeDue ? ", snoozed until " : "",
                 r.snoozeDue ? DueTime() : ""});
  ScheduleWake();
}

void Alarm::ScheduleWake() {
  std::optional<std::chrono::sys_seconds> due;
  if (state_ == AlarmState::Armed) {
    due = NextWallMinute(alarmHour_, alarmMinute_, parts_.clock.Utc(), parts_.clock);
  } else if (state_ == AlarmState::Snoozing) {
    due = snoozeDue_;
  }
  if (due) {
    parts_.wakeTimer.WakeAt(*due);
    if (due != wakeSet_) logger::Write({"Wake-up asked for ", WallText(*due)});
  } else {
    parts_.wakeTimer.Cancel();
  }
  wakeSet_ = due;
}

void Alarm::RenewSpentWake() {
  if (state_ != AlarmState::Armed && state_ != AlarmState::Snoozing) return;
  if (!wakeSet_ || *wakeSet_ <= lastTickUtc_) ScheduleWake();
}

std::string Alarm::WallText(std::chrono::sys_seconds instant) const {
  const WallTime t = parts_.clock.LocalAt(instant);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

void Alarm::SetNow(const WallTime& now, std::chrono::sys_seconds utc) {
  if (ticked_) tickBefore_ = lastTick_;
  lastTick_ = now;
  lastTickUtc_ = utc;
  snoozeOrigin_ = utc;
  ticked_ = true;
  if (state_ == AlarmState::Snoozing && SnoozeGivesWay(utc)) {
    logger::Write({"The snooze until ", DueTime(), " gives way to the alarm at ",
                   HourMinute(alarmHour_, alarmMinute_)});
    Arm(alarmHour_, alarmMinute_, snoozeDelay_);
    Changed();
  }
}

bool Alarm::SnoozeGivesWay(std::chrono::sys_seconds utc) const {
  return utc > LatestSnoozeRing() || *snoozeDue_ - utc > minutes{kLongestSnoozeDelay};
}

std::chrono::sys_seconds Alarm::LatestSnoozeRing() const {
  return *snoozeDue_ + minutes{kLatestRingMinutes} + seconds{59};
}

bool Alarm::RingIsDue() const {
  switch (state_) {
    case AlarmState::Armed:
      return MinuteHasCome(alarmHour_, alarmMinute_);
    case AlarmState::Snoozing:
      return lastTickUtc_ >= *snoozeDue_ && lastTickUtc_ <= LatestSnoozeRing();
    default:
      return false;
  }
}

// A minute the ticks skipped still rings, late: the machine slept through it, the program was
// held up, or the clocks went forward over it.
bool Alarm::MinuteHasCome(int hour, int minute) const {
  if (lastTick_.hour == hour && lastTick_.minute == minute) return true;
  return tickBefore_ && MinutePassed(hour, minute, *tickBefore_, lastTick_);
}

void Alarm::Warn(std::string_view message) {
  parts_.messageBoxes.Show(message, "Error", BoxKind::Warning, BoxButtons::Ok);
}

void Alarm::GiveUp() {
  state_ = AlarmState::Off;
  logger::Write({"Alarm off: the prompt for a media player was cancelled"});
  toldKeepFailure_ = true;  // the program ends now: a failure is only logged
  Changed();
  parts_.inhibitor.Release();
}

void Alarm::ShowState(const std::string& text, TrayPicture picture) {
  Show(text, picture);
  HoldAwake(text);
}

void Alarm::Show(const std::string& text, TrayPicture picture) {
  ++changes_;
  parts_.controls.SetStatus(text);
  parts_.tray.Publish(text, picture);
}

// The tip says why the computer stays awake, so the desktop's power menu can tell the user.
void Alarm::HoldAwake(const std::string& text) {
  if (state_ == AlarmState::Off) {
    parts_.inhibitor.Release();
  } else {
    parts_.inhibitor.Hold(text, state_ == AlarmState::Ringing
                                    ? SleepInhibitor::Awake::ComputerAndScreen
                                    : SleepInhibitor::Awake::Computer);
  }
}

}  // namespace dawnquill
