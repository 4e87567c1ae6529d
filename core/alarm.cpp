#include "core/alarm.h"

#include <cstdio>

#include "core/alarm_words.h"
#include "core/logger.h"
#include "core/missed_minute.h"
#include "core/number_rules.h"
#include "core/wall_clock.h"

namespace dawnquill {

using Input = AlarmControls::Input;
using Kept = AlarmDue::Kept;
using std::chrono::minutes;
using std::chrono::seconds;

namespace {

// A step that changes what is pending: shown, held awake for, kept and woken for.
void Changed(AlarmDue& due) {
  due.shown = due.held = due.woken = true;
  due.kept = Kept::Record;
}

std::string HourMinute(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
  return text;
}

}  // namespace

AlarmDue Alarm::Toggle(const ArmingTexts& typed) {
  switch (state_) {
    case AlarmState::Off:
      return TurnOn(typed);
    case AlarmState::Armed:
    case AlarmState::Snoozing:
      return TurnOff();
    case AlarmState::Ringing:
      break;
  }
  return {};
}

// A numeric text is first rounded to a whole number, so that 7.6 arms for 8; then the box shows
// the plain number text of what was read, 07 becoming 7.
double Alarm::NormaliseTimeField(Input input, const std::string& typed, AlarmDue& due) {
  const double value = numbers::IsNumericText(typed)
                           ? numbers::RoundHalfEven(numbers::LeadingNumber(typed))
                           : numbers::LeadingNumber(typed);
  due.texts[static_cast<int>(input)] = numbers::NumberText(value, decimalSeparator_);
  return value;
}

AlarmDue Alarm::TurnOn(const ArmingTexts& typed) {
  AlarmDue due;
  const std::string_view warning = CheckedArming(typed, due);
  if (!warning.empty()) {
    due.warning = warning;
    return due;
  }
  due.note =
      logger::Joined({"Alarm on for ", DueTime(), ", snoozes of ", std::to_string(snoozeDelay_),
                      snoozeDelay_ == 1 ? " minute" : " minutes"});
  return due;
}

// Arms once the three boxes pass their checks, in order; else returns why not. The boxes it reached
// are written back.
std::string_view Alarm::CheckedArming(const ArmingTexts& typed, AlarmDue& due) {
  const double hour = NormaliseTimeField(Input::Hour, typed.hour, due);
  if (hour < 0 || hour > 23) return "Fill in an hour between 0 and 23";
  const double minute = NormaliseTimeField(Input::Minute, typed.minute, due);
  if (minute < 0 || minute > 59) return "Fill in a minute between 0 and 59";
  const double delay = numbers::LeadingNumber(typed.snoozeDelay);
  due.texts[static_cast<int>(Input::SnoozeDelay)] = numbers::NumberText(delay, decimalSeparator_);
  if (delay < 1 || delay > kLongestSnoozeDelay) {
    return "Fill in a snooze delay between 1 and 99 minutes";
  }
  // All three are in range, so their whole values fit.
  Arm(*numbers::WholeValue(hour), *numbers::WholeValue(minute), *numbers::WholeValue(delay), due);
  return {};
}

void Alarm::Arm(int hour, int minute, int delay, AlarmDue& due) {
  ++steps_;
  state_ = AlarmState::Armed;
  alarmHour_ = hour;
  alarmMinute_ = minute;
  snoozeDelay_ = delay;
  snoozeDue_.reset();
  rang_.reset();
  Changed(due);
  due.inputsFollow = true;
}

AlarmDue Alarm::TurnOff() {
  ++steps_;
  const bool ringing = state_ == AlarmState::Ringing;
  state_ = AlarmState::Off;
  AlarmDue due;
  Changed(due);
  due.note = "Alarm off";
  due.inputsFollow = due.windowCloses = true;
  due.ringStops = ringing;
  return due;
}

AlarmDue Alarm::Snooze() {
  ++steps_;
  const bool ringing = state_ == AlarmState::Ringing;
  // From the last tick's time, not a fresh reading: that is the minute the user snoozed in.
  SnoozeFor(std::chrono::floor<minutes>(snoozeOrigin_) + minutes{snoozeDelay_});
  AlarmDue due;
  Changed(due);
  due.note = logger::Joined({"Snoozed until ", DueTime()});
  due.ringStops = ringing;
  return due;
}

void Alarm::SnoozeFor(std::chrono::sys_seconds due) {
  state_ = AlarmState::Snoozing;
  snoozeDue_ = due;
  rang_.reset();
}

// The wall time at which it will ring, by the zone's rules: across the night the clocks go back,
// ten minutes from 2:55 summer time are 2:05.
std::string Alarm::DueTime() const {
  if (state_ != AlarmState::Snoozing) return HourMinute(alarmHour_, alarmMinute_);
  const WallTime due = clock_.LocalAt(*snoozeDue_);
  return HourMinute(due.hour, due.minute);
}

std::string Alarm::Status() const {
  switch (state_) {
    case AlarmState::Off:
      return "Alarm is off";
    case AlarmState::Armed:
      return logger::Joined({"Alarm is on - Time: ", DueTime()});
    case AlarmState::Snoozing:
      return logger::Joined({"Snooze is on - Time: ", DueTime()});
    case AlarmState::Ringing:
      break;
  }
  return std::string(kRingingStatus);
}

TrayPicture Alarm::Picture() const {
  if (state_ == AlarmState::Off) return TrayPicture::Off;
  return state_ == AlarmState::Ringing ? TrayPicture::Ringing : TrayPicture::Armed;
}

// The ring is kept as due at the minute that rang, so that a program killed while it rings
// rings again when started within the hour.
AlarmDue Alarm::Ring() {
  const std::string due = DueTime();
  ++steps_;
  rang_ = state_ == AlarmState::Snoozing
              ? *snoozeDue_
              : std::chrono::floor<minutes>(lastTickUtc_) -
                    minutes{MinutesSince(alarmHour_, alarmMinute_, lastTick_)};
  state_ = AlarmState::Ringing;
  AlarmDue ring;
  Changed(ring);
  ring.note = logger::Joined({"Ringing for ", due, ": the player was told to play"});
  return ring;
}

AlarmDue Alarm::GiveUp() {
  ++steps_;
  state_ = AlarmState::Off;
  AlarmDue due;
  Changed(due);
  due.note = "Alarm off: the prompt for a media player was cancelled";
  due.shown = false;  // the program ends: nothing is left to see
  due.programEnds = true;
  return due;
}

AlarmDue Alarm::Restore(const AlarmRecord& kept) {
  AlarmDue due;
  Arm(kept.hour, kept.minute, kept.snoozeDelay, due);
  due.kept = Kept::CarriedOn;
  for (const auto& [input, value] : {std::pair{Input::Hour, kept.hour},
                                     {Input::Minute, kept.minute},
                                     {Input::SnoozeDelay, kept.snoozeDelay}}) {
    due.texts[static_cast<int>(input)] = numbers::NumberText(value, decimalSeparator_);
  }
  if (kept.snoozeDue) SnoozeFor(*kept.snoozeDue);
  // As if a tick had seen the moment of the record, or the second before the minute that rang:
  // the first tick then rings for a minute passed since, and not for one a day before.
  lastTickUtc_ = kept.rang ? *kept.rang - seconds{1} : kept.written;
  snoozeOrigin_ = lastTickUtc_;
  lastTick_ = clock_.LocalAt(lastTickUtc_);
  ticked_ = true;
  tickBefore_.reset();
  due.note =
      logger::Joined({"Alarm for ", HourMinute(kept.hour, kept.minute),
                      " carried on from the last run", kept.rang ? ", which it rang in" : "",
                      kept.snoozeDue ? ", snoozed until " : "", kept.snoozeDue ? DueTime() : ""});
  return due;
}

std::optional<std::chrono::sys_seconds> Alarm::NextRing() const {
  if (state_ == AlarmState::Armed) {
    return NextWallMinute(alarmHour_, alarmMinute_, clock_.Utc(), clock_);
  }
  if (state_ == AlarmState::Snoozing) return snoozeDue_;
  return std::nullopt;
}

AlarmRecord Alarm::Record(std::chrono::sys_seconds written) const {
  return {.hour = alarmHour_,
          .minute = alarmMinute_,
          .snoozeDelay = snoozeDelay_,
          .snoozeDue = snoozeDue_,
          .rang = rang_,
          .written = written};
}

AlarmDue Alarm::SetNow(const WallTime& now, std::chrono::sys_seconds utc) {
  if (ticked_) tickBefore_ = lastTick_;
  lastTick_ = now;
  lastTickUtc_ = utc;
  snoozeOrigin_ = utc;
  ticked_ = true;
  if (state_ != AlarmState::Snoozing || !SnoozeGivesWay(utc)) return {};
  const std::string snoozed = DueTime();
  AlarmDue due;
  Arm(alarmHour_, alarmMinute_, snoozeDelay_, due);
  due.note =
      logger::Joined({"The snooze until ", snoozed, " gives way to the alarm at ", DueTime()});
  return due;
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

}  // namespace dawnquill
