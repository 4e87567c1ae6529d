#include "core/alarm.h"
#include "core/alarm_words.h"

// The options window: opened with what the next arming uses, and what OK brings.
namespace dawnquill {

using logger::Level;

void Alarm::On(const event::OptionsAsked& /*asked*/) {
  if (!ending_) Do(effect::OpenOptions{options_});
}

// A gentle start out of range keeps the window open for the user to mend it; the rest is taken
// at once, and a change of days applies to what is pending as to the next arming. A path to
// nothing is kept all the same, as a drive may be away for now, and the user is told.
void Alarm::On(const event::OptionsChosen& chosen) {
  if (ending_) return;
  std::vector<std::string> complaints;
  const AlarmOptions read = ReadOptions(
      {.repeat = chosen.days.Stored(),
       .gentleStartSeconds = chosen.gentleStartSeconds.empty() ? "0" : chosen.gentleStartSeconds,
       .wakeWith = chosen.wakeWith},
      complaints);
  if (!complaints.empty()) {
    return Warn(Tr("Fill in a gentle start between 0 and 300 seconds"), Tr("box title", "Error"));
  }
  Do(effect::CloseOptions{});
  options_ = read;
  Do(effect::SaveOptions{StoredText(options_)});
  Log(Level::Info,
      {"Options: rings ", options_.days.Once() ? "once" : options_.days.Shown(),
       ", gentle start of ", std::to_string(options_.gentleStartSeconds), " seconds, wakes with ",
       options_.wakeWith.empty() ? "the player's own list" : options_.wakeWith});
  if (chosen.wakeWithGone) {
    Log(Level::Warning, {"Nothing is at ", options_.wakeWith, " to wake with, for now"});
    Warn(Fill(Tr("There is no file or folder at\n\n%1\n\nUntil there is, the player plays what "
                 "it has at the ring."),
              {options_.wakeWith}),
         kProgramName, BoxKind::Warning);
  }
  if (state_ == AlarmState::Off || days_ == options_.days) return;
  days_ = options_.days;
  if (state_ != AlarmState::Ringing) {
    Log(Level::Info, {"Alarm on for ", DueTimeAndDays()});
  }
  Changed(false);
}

void Alarm::On(const event::Done<effect::SaveOptions>& done) {
  if (done.result) return;
  constexpr std::string_view what = "The options could not be saved.";
  Log(Level::Error, {what, " ", done.result.Reason()});
  Warn(Fill(Tr("The options could not be saved.\n\n%1"), {done.result.Reason()}), kProgramName);
}

}  // namespace dawnquill
