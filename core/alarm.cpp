#include "core/alarm.h"

#include <cstdio>

#include "core/alarm_words.h"
#include "core/missed_minute.h"
#include "core/number_rules.h"
#include "core/wall_clock.h"

namespace dawnquill {

using Input = AlarmControls::Input;
using logger::Level;
using std::chrono::minutes;
using std::chrono::seconds;

namespace {

// A tick this close before a snooze is the one whose minute the user snoozed in; an older one
// was before a sleep, or the clock moved since.
constexpr seconds kRecentTick{10};

std::string HourMinute(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
  return text;
}

}  // namespace

Effects Alarm::Take(const Event& event) {
  out_.clear();
  std::visit([this](const auto& e) { On(e); }, event);
  return std::move(out_);
}

void Alarm::Log(Level level, std::initializer_list<std::string_view> parts) {
  Do(effect::Log{level, logger::Joined(parts)});
}

// ------------------------------------------------------------------------- the start and ticks

void Alarm::On(const event::Start& start) {
  // A stored delay too large for any sensible value is no delay at all: start from the default.
  snoozeDelay_ = numbers::WholeValue(numbers::LeadingNumber(start.stored.snoozeDelay))
                     .value_or(kDefaultSnoozeDelay);
  Do(effect::RewriteBoxes{{start.stored.hour, start.stored.minute,
                           numbers::NumberText(snoozeDelay_, decimalSeparator_)}});
  Do(effect::AddIcon{std::string(kCasualName)});
  windowWaits_ = start.shown;
  std::vector<std::string> complaints;
  options_ = ReadOptions(start.options, complaints);
  for (const std::string& complaint : complaints) Log(Level::Warning, {complaint});
  if (start.kept.empty()) return;
  if (const std::optional<AlarmRecord> kept = ReadRecord(start.kept)) return Restore(*kept);
  // Perhaps a newer version's: the next arming writes over it.
  Log(Level::Warning, {"A kept alarm that could not be read is left as it is: ", start.kept});
}

void Alarm::On(const event::Tick& tick) {
  if (ending_) return;
  // Ticks come five seconds apart, and closer around the tick at a ring: a longer step, or one
  // back, was a sleep, a stopped program or the clock set.
  tickStale_ =
      tickStale_ || (tickRead_ && (tick.utc < *tickRead_ || tick.utc - *tickRead_ > kRecentTick));
  tickRead_ = tick.utc;
  SetNow(tick.now, tick.utc);
  Do(effect::RefreshIcon{});
  if (state_ == AlarmState::Ringing) {
    RingTick(tick.playerRuns);
  } else if (RingIsDue()) {
    Ring(tick.playerRuns);
  } else {
    RepayVolume(tick.playerRuns);
    InsistOnPlayer(tick.playerRuns);
    // A wake-up that has called back, or whose instant passed without a ring (a minute missed
    // by over an hour), is asked for again for the next ring.
    const bool pending = state_ == AlarmState::Armed || state_ == AlarmState::Snoozing;
    if (pending && (!wakeSet_ || *wakeSet_ <= lastTickUtc_)) Wake(false);
    if (HoldWanted() != holding_) Held();
  }
  TickAtNextRing();
  ShowWaitingWindow();
}

void Alarm::On(const event::Woken& /*woken*/) { wakeSet_.reset(); }

void Alarm::On(const event::WakeLost& /*lost*/) {
  if (ending_) return;
  tickStale_ = true;
  Wake(false);
}

// The time read at a tick, on the wall clock and in UTC. A snooze missed by more than the latest
// a ring may come gives way to the alarm's next day, and so does one due further ahead than any
// snooze lasts (the clock was set back).
void Alarm::SetNow(const WallTime& now, std::chrono::sys_seconds utc) {
  if (ticked_) tickBefore_ = lastTick_;
  lastTick_ = now;
  lastTickUtc_ = utc;
  ticked_ = true;
  if (state_ != AlarmState::Snoozing || !SnoozeGivesWay(utc)) return;
  const std::string snoozed = DueTime();
  Arm(alarmHour_, alarmMinute_, snoozeDelay_);
  Log(Level::Info, {"The snooze until ", snoozed, " gives way to the alarm at ", DueTime()});
  FollowInputs();
  Changed(false);
}

bool Alarm::SnoozeGivesWay(std::chrono::sys_seconds utc) const {
  return utc > LatestSnoozeRing() || *snoozeDue_ - utc > minutes{kLongestSnoozeDelay};
}

std::chrono::sys_seconds Alarm::LatestSnoozeRing() const {
  return *snoozeDue_ + minutes{kLatestRingMinutes} + seconds{59};
}

// Whether the armed or snoozed minute is the last tick's, or passed unseen since the tick before.
// A repeating alarm rings for a minute of a chosen day: the day of the minute, which a minute
// missed across midnight does not share with the tick.
bool Alarm::RingIsDue() const {
  switch (state_) {
    case AlarmState::Armed:
      return MinuteHasCome(alarmHour_, alarmMinute_) && MinuteThatCame() != doneWith_ &&
             days_.HasDayOf(clock_.LocalAt(MinuteThatCame()));
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

// The instant the armed minute last began, on the tick's wall clock.
std::chrono::sys_seconds Alarm::MinuteThatCame() const {
  return std::chrono::floor<minutes>(lastTickUtc_) -
         minutes{MinutesSince(alarmHour_, alarmMinute_, lastTick_)};
}

std::optional<std::chrono::sys_seconds> Alarm::NextRing() const {
  if (state_ == AlarmState::Armed) {
    std::chrono::sys_seconds next = clock_.Utc();
    // A week and a day: every chosen day comes within it, whatever the clocks do.
    for (int day = 0; day <= kDaysPerWeek; ++day) {
      next = NextWallMinute(alarmHour_, alarmMinute_, next, clock_);
      if (days_.HasDayOf(clock_.LocalAt(next))) return next;
    }
    return std::nullopt;
  }
  if (state_ == AlarmState::Snoozing) return snoozeDue_;
  return std::nullopt;
}

// ----------------------------------------------------------------------------- the user's steps

void Alarm::On(const event::Toggle& toggle) {
  if (ending_) return;
  switch (state_) {
    case AlarmState::Off:
      return TurnOn(toggle.typed);
    case AlarmState::Armed:
    case AlarmState::Snoozing:
      TurnOffNow(true);
      return InsistOnPlayer(playerRuns_);
    case AlarmState::Ringing:
      return;
  }
}

// A numeric text is first rounded to a whole number, so that 7.6 arms for 8; then the box shows
// the plain number text of what was read, 07 becoming 7.
double Alarm::NormaliseTimeField(Input input, const std::string& typed,
                                 effect::RewriteBoxes& boxes) const {
  const double value = numbers::IsNumericText(typed)
                           ? numbers::RoundHalfEven(numbers::LeadingNumber(typed))
                           : numbers::LeadingNumber(typed);
  boxes.texts[static_cast<int>(input)] = numbers::NumberText(value, decimalSeparator_);
  return value;
}

void Alarm::TurnOn(const ArmingTexts& typed) {
  effect::RewriteBoxes boxes;
  std::string warning = CheckedArming(typed, boxes);
  Do(std::move(boxes));
  if (!warning.empty()) return Warn(std::move(warning), Tr("box title", "Error"));
  days_ = options_.days;
  Log(Level::Info, {"Alarm on for ", DueTimeAndDays(), ", snoozes of ",
                    std::to_string(snoozeDelay_), snoozeDelay_ == 1 ? " minute" : " minutes"});
  FollowInputs();
  Shown();
  Held();
  Kept(true);
  Wake(true);
}

// Arms once the three boxes pass their checks, in order; else returns why not. The boxes it
// reached are written back.
std::string Alarm::CheckedArming(const ArmingTexts& typed, effect::RewriteBoxes& boxes) {
  const double hour = NormaliseTimeField(Input::Hour, typed.hour, boxes);
  if (hour < 0 || hour > 23) return Tr("Fill in an hour between 0 and 23");
  const double minute = NormaliseTimeField(Input::Minute, typed.minute, boxes);
  if (minute < 0 || minute > 59) return Tr("Fill in a minute between 0 and 59");
  const double delay = numbers::LeadingNumber(typed.snoozeDelay);
  boxes.texts[static_cast<int>(Input::SnoozeDelay)] = numbers::NumberText(delay, decimalSeparator_);
  if (delay < 1 || delay > kLongestSnoozeDelay) {
    return Tr("Fill in a snooze delay between 1 and 99 minutes");
  }
  // All three are in range, so their whole values fit.
  Arm(*numbers::WholeValue(hour), *numbers::WholeValue(minute), *numbers::WholeValue(delay));
  return {};
}

void Alarm::Arm(int hour, int minute, int delay) {
  state_ = AlarmState::Armed;
  alarmHour_ = hour;
  alarmMinute_ = minute;
  snoozeDelay_ = delay;
  snoozeDue_.reset();
  rang_.reset();
  doneWith_.reset();
}

// From the ring's window or its notice: a repeating alarm stays on for its next day.
void Alarm::On(const event::TurnOff& /*off*/) {
  if (ending_ || state_ != AlarmState::Ringing) return;
  if (days_.Once()) {
    TurnOffNow(true);
  } else {
    OnForNextDay();
  }
  InsistOnPlayer(playerRuns_);
}

void Alarm::OnForNextDay() {
  EndRing(true);
  const bool alarmRang = !snoozeDue_;
  Arm(alarmHour_, alarmMinute_, snoozeDelay_);
  if (alarmRang) doneWith_ = MinuteThatCame();
  Log(Level::Info, {"This ring is over; the alarm stays on for ", DueTimeAndDays()});
  Changed(true);
}

void Alarm::TurnOffNow(bool tell) {
  EndRing(true);
  state_ = AlarmState::Off;
  Log(Level::Info, {"Alarm off"});
  FollowInputs();
  Changed(tell);
}

// From the start of the last tick's minute while that tick is recent, not from a fresh reading:
// that is the minute the user snoozed in. A snooze counts real minutes, whatever the wall clock
// does meanwhile.
void Alarm::On(const event::Snooze& /*snooze*/) {
  if (ending_ || state_ != AlarmState::Ringing) return;
  EndRing(true);
  SnoozeFor(std::chrono::floor<minutes>(SnoozeOrigin()) + minutes{snoozeDelay_});
  Log(Level::Info, {"Snoozed until ", DueTime()});
  Changed(true);
  InsistOnPlayer(playerRuns_);
}

std::chrono::sys_seconds Alarm::SnoozeOrigin() const {
  const std::chrono::sys_seconds now = clock_.Utc();
  const bool recent = now >= lastTickUtc_ && now - lastTickUtc_ <= kRecentTick;
  return recent ? lastTickUtc_ : now;
}

void Alarm::SnoozeFor(std::chrono::sys_seconds due) {
  state_ = AlarmState::Snoozing;
  snoozeDue_ = due;
  rang_.reset();
}

// As if a tick had seen the moment of the record, or the second before the minute that rang: the
// first tick then rings for a minute passed since, and not for one a day before.
void Alarm::Restore(const AlarmRecord& kept) {
  Arm(kept.hour, kept.minute, kept.snoozeDelay);
  days_ = kept.days;
  if (kept.volume) fade_.Owe(*kept.volume);
  if (kept.snoozeDue) SnoozeFor(*kept.snoozeDue);
  lastTickUtc_ = kept.rang ? *kept.rang - seconds{1} : kept.written;
  lastTick_ = clock_.LocalAt(lastTickUtc_);
  ticked_ = true;
  tickBefore_.reset();
  const std::string days = days_.Once() ? "" : ", " + days_.Shown() + ",";
  Log(Level::Info, {"Alarm for ", HourMinute(kept.hour, kept.minute), days,
                    " carried on from the last run", kept.rang ? ", which it rang in" : "",
                    kept.snoozeDue ? ", snoozed until " : "", kept.snoozeDue ? DueTime() : ""});
  effect::RewriteBoxes boxes;
  for (const auto& [input, value] : {std::pair{Input::Hour, kept.hour},
                                     {Input::Minute, kept.minute},
                                     {Input::SnoozeDelay, kept.snoozeDelay}}) {
    boxes.texts[static_cast<int>(input)] = numbers::NumberText(value, decimalSeparator_);
  }
  Do(std::move(boxes));
  FollowInputs();
  Shown();
  Held();
  // The record stands; the start at sign-in may have gone while no program ran, and a restart
  // after a crash is asked per process.
  Do(effect::StartAtSignIn{true});
  Wake(false);
}

// ------------------------------------------------------------------- what follows every change

void Alarm::FollowInputs() {
  const bool off = state_ == AlarmState::Off;
  Do(effect::SetInputs{off ? Tr(kTurnOnToggle) : Tr(kTurnOffToggle), off});
}

void Alarm::Shown() {
  Do(effect::SetStatus{Status()});
  Do(effect::PublishIcon{Tip(), Picture()});
}

// The tip says why the computer stays awake, so that the desktop's power menu can tell the user.
void Alarm::Held() {
  holding_ = HoldWanted();
  if (!holding_) return Do(effect::Release{});
  Do(effect::Hold{Tip(), state_ == AlarmState::Ringing ? SleepInhibitor::Awake::ComputerAndScreen
                                                       : SleepInhibitor::Awake::Computer});
}

// A repeating alarm would keep the computer from ever sleeping: where the computer wakes itself
// for the ring, it is held only over the half day before it.
bool Alarm::HoldWanted() const {
  if (state_ == AlarmState::Off) return false;
  if (state_ == AlarmState::Ringing || days_.Once() || !wakeCovers_) return true;
  const std::optional<std::chrono::sys_seconds> next = NextRing();
  return !next || *next - clock_.Utc() <= std::chrono::hours{12};
}

// Written while the alarm is on, removed once it is off, with the start at sign-in beside it.
void Alarm::Kept(bool tell) {
  const bool on = state_ != AlarmState::Off;
  Do(effect::StartAtSignIn{on});
  if (on) return Do(effect::Keep{Record(clock_.Utc()), tell});
  Do(effect::Forget{tell});
}

// The wake-up and the tick for the next ring, set or cancelled: at every change, and whenever
// the platform may have lost them.
void Alarm::Wake(bool userArmed) {
  wakeSet_ = NextRing();
  wakeCovers_ = false;
  if (wakeSet_) {
    Do(effect::WakeAt{*wakeSet_, userArmed});
  } else {
    Do(effect::CancelWake{});
  }
  TickAtNextRing();
}

// Asked again whenever the next ring's instant moves, by a change or by the clock's zone, and
// whenever the timer may have run apart from the wall clock.
void Alarm::TickAtNextRing() {
  const std::optional<std::chrono::sys_seconds> due = NextRing();
  const bool stale = std::exchange(tickStale_, false);
  if (due == tickSet_ && !(due && stale)) return;
  tickSet_ = due;
  if (!due) return Do(effect::CancelTick{});
  Do(effect::TickAt{*due});
}

void Alarm::Changed(bool tell) {
  Shown();
  Held();
  Kept(tell);
  Wake(false);
}

// --------------------------------------------------------------------------- what is shown

// The wall time at which it will ring, by the zone's rules: across the night the clocks go back,
// ten minutes from 2:55 summer time are 2:05.
std::string Alarm::DueTime() const {
  if (state_ != AlarmState::Snoozing) return HourMinute(alarmHour_, alarmMinute_);
  const WallTime due = clock_.LocalAt(*snoozeDue_);
  return HourMinute(due.hour, due.minute);
}

std::string Alarm::DueTimeAndDays() const {
  return days_.Once() ? DueTime() : logger::Joined({DueTime(), ", ", days_.Shown()});
}

// The status line's words, and after them the days of a repeating alarm: a language may say the
// tip otherwise than the status line.
std::string Alarm::Tip() const {
  switch (state_) {
    case AlarmState::Off:
      return Tr("tray tip", "Alarm is off");
    case AlarmState::Armed:
      if (days_.Once()) return Fill(Tr("tray tip", "Alarm is on - Time: %1"), {DueTime()});
      return Fill(Tr("tray tip", "Alarm is on - Time: %1, %2"), {DueTime(), days_.InTip()});
    case AlarmState::Snoozing:
      if (days_.Once()) return Fill(Tr("tray tip", "Snooze is on - Time: %1"), {DueTime()});
      return Fill(Tr("tray tip", "Snooze is on - Time: %1, %2"), {DueTime(), days_.InTip()});
    case AlarmState::Ringing:
      break;
  }
  return Tr("tray tip", "Alarm!");
}

std::string Alarm::Status() const {
  switch (state_) {
    case AlarmState::Off:
      return Tr(kOffStatus);
    case AlarmState::Armed:
      return Fill(Tr(kArmedStatus), {DueTime()});
    case AlarmState::Snoozing:
      return Fill(Tr(kSnoozingStatus), {DueTime()});
    case AlarmState::Ringing:
      break;
  }
  return Tr(kRingingStatus);
}

TrayPicture Alarm::Picture() const {
  if (state_ == AlarmState::Off) return TrayPicture::Off;
  return state_ == AlarmState::Ringing ? TrayPicture::Ringing : TrayPicture::Armed;
}

AlarmRecord Alarm::Record(std::chrono::sys_seconds written) const {
  return {.hour = alarmHour_,
          .minute = alarmMinute_,
          .snoozeDelay = snoozeDelay_,
          .days = days_,
          .snoozeDue = snoozeDue_,
          .rang = rang_,
          .volume = fade_.Owed(),
          .written = written};
}

// ------------------------------------------------------------------- the player and its prompt

// The tick insists on a player in every state but a ring, which has its own way with a missing
// player: the prompt waits for the ring's end.
void Alarm::InsistOnPlayer(bool playerRuns) {
  const bool ran = std::exchange(playerRuns_, playerRuns);
  if (!playerRuns && !asking_) {
    if (ran) Log(Level::Info, {"No media player runs: asking for one"});
    Ask();
  } else if (playerRuns && asking_) {
    asking_ = false;
    Do(effect::StopAsking{});
    Log(Level::Info, {"A media player runs again"});
  }
}

void Alarm::Ask() {
  asking_ = true;
  Do(effect::AskForPlayer{});
}

// A start's window waits for the prompt, which comes before the window was ever seen.
void Alarm::ShowWaitingWindow() {
  if (!windowWaits_ || asking_ || ending_) return;
  if (*windowWaits_ == StartShown::Window) {
    Do(effect::ShowWindow{});
  } else {
    Do(effect::StartHidden{});
  }
  windowWaits_.reset();
}

void Alarm::On(const event::PromptAnswered& answered) {
  if (!asking_ || ending_) return;
  asking_ = false;
  playerRuns_ = answered.playerRuns;
  if (answered.answer == BoxAnswer::Cancel) {
    // The user's word that the alarm is off: nothing of the off state is shown, as the program
    // ends.
    EndRing(true);
    state_ = AlarmState::Off;
    Log(Level::Info, {"Alarm off: the prompt for a media player was cancelled"});
    Held();
    Kept(false);
    Wake(false);
    return End(CloseReason::Program, answered.typed);
  }
  if (!answered.playerRuns) return Ask();
  Log(Level::Info, {"A media player runs again"});
  ShowWaitingWindow();
}

// ------------------------------------------------------------------------- the program's end

void Alarm::On(const event::Exit& exit) {
  if (ending_) return;
  TurnOffNow(true);
  End(CloseReason::Program, exit.typed);
}

// A close while the alarm is on only hides the window, unless the session ends: a session that
// ends anyway was asked first (SessionEndAsked), and refusing now would only get the program
// killed a little later, with nothing saved either way.
void Alarm::On(const event::CloseAsked& close) {
  if (ending_) return;
  if (state_ != AlarmState::Off && close.reason != CloseReason::SessionEnd) {
    return Do(effect::HideWindow{});
  }
  End(close.reason, close.typed);
}

// While an alarm is on, a log-off or shut-down would silence it: the desktop asks the user first,
// and the window goes to the tray as at any refused close.
void Alarm::On(const event::SessionEndAsked& /*asked*/) {
  if (state_ != AlarmState::Off) Do(effect::HideWindow{});
}

// An update ends the program as the end of a session does, so that the alarm stays on for the
// program that follows; a removal turns it off first. Neither waits for anybody.
void Alarm::On(const event::Uninstall& uninstall) {
  if (ending_) return;
  if (uninstall.forGood) TurnOffNow(false);
  End(CloseReason::SessionEnd, uninstall.typed);
}

// Nothing may wait for the user any more: the prompt and the ring's window go, and the room is
// silent. The settings are kept only while the alarm is off; the program ends once they are, or
// once the user has heard why not.
void Alarm::End(CloseReason reason, const ArmingTexts& typed) {
  ending_ = true;
  if (asking_) {
    asking_ = false;
    Do(effect::StopAsking{});
  }
  EndRing(false);
  if (state_ != AlarmState::Off) {
    settingsSettled_ = true;
    return EndWhenSettled();
  }
  Do(effect::DeleteIcon{});
  const double delay = numbers::LeadingNumber(typed.snoozeDelay);
  if (delay > 0 && delay < 100) snoozeDelay_ = *numbers::WholeValue(delay);
  const auto numberText = [this](const std::string& text) {
    return numbers::NumberText(numbers::LeadingNumber(text), decimalSeparator_);
  };
  Do(effect::SaveSettings{{.hour = numberText(typed.hour),
                           .minute = numberText(typed.minute),
                           .snoozeDelay = numbers::NumberText(snoozeDelay_, decimalSeparator_)},
                          reason == CloseReason::SessionEnd});
}

void Alarm::Warn(std::string text, std::string_view title, BoxKind kind) {
  if (ending_) ++boxesOpen_;
  Do(effect::Warn{std::move(text), std::string(title), kind, ending_});
}

void Alarm::On(const event::WarningAnswered& /*answered*/) {
  if (boxesOpen_ > 0) --boxesOpen_;
  EndWhenSettled();
}

void Alarm::EndWhenSettled() {
  if (!ending_ || !settingsSettled_ || boxesOpen_ > 0 || ended_) return;
  ended_ = true;
  Do(effect::EndProgram{});
}

}  // namespace dawnquill
