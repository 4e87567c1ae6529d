#include <cstdio>

#include "core/alarm.h"
#include "core/alarm_words.h"

// What the alarm makes of the desktop's answers: each failure is logged once, with its level, and
// told to the user only where the user just did something and the failure is theirs to hear.
namespace dawnquill {

using logger::Level;

void Alarm::On(const event::Done<effect::StopPlayer>& done) {
  if (!done.result) {
    Log(Level::Warning, {"The player could not be told to stop: ", done.result.Reason()});
  }
}

// A store that cannot keep the alarm leaves it on for this run alone, and one that cannot forget
// it brings it back at the next start.
void Alarm::KeptOrNot(std::string_view what, const Words& told, const Result<>& result, bool tell) {
  if (result) return;
  Log(Level::Error, {what, " ", result.Reason()});
  if (tell && !std::exchange(toldKept_, true)) {
    Warn(Fill(Tr(told), {result.Reason()}), kProgramName);
  }
}

void Alarm::On(const event::Done<effect::Keep>& done) {
  KeptOrNot(
      "The alarm could not be written down: it rings only while this DawnQuill runs, and not "
      "after a restart.",
      Said("The alarm could not be written down: it rings only while this DawnQuill runs, and not "
           "after a restart.\n\n%1"),
      done.result, done.effect.tell);
}

void Alarm::On(const event::Done<effect::Forget>& done) {
  KeptOrNot(
      "The alarm that was turned off could not be removed from the settings: it comes back when "
      "DawnQuill starts again.",
      Said("The alarm that was turned off could not be removed from the settings: it comes back "
           "when DawnQuill starts again.\n\n%1"),
      done.result, done.effect.tell);
}

void Alarm::On(const event::Done<effect::StartAtSignIn>& done) {
  if (done.result) return;
  Log(Level::Warning, {done.effect.on ? "The start at sign-in could not be written: "
                                      : "The start at sign-in could not be removed: ",
                       done.result.Reason()});
}

// The program ends right after: the user must hear now that the settings are lost. At a
// session's end nobody may be there to answer a box, and the end must not wait for one.
void Alarm::On(const event::Done<effect::SaveSettings>& done) {
  if (!done.result) {
    constexpr std::string_view what = "The alarm time and snooze delay could not be saved.";
    Log(Level::Error, {what, " ", done.result.Reason()});
    if (done.effect.sessionEnds) {
      Do(effect::TellDesktop{Fill(Tr("The alarm time and snooze delay could not be saved.\n%1"),
                                  {done.result.Reason()})});
    } else {
      Warn(Fill(Tr("The alarm time and snooze delay could not be saved.\n\n%1"),
                {done.result.Reason()}),
           kProgramName);
    }
  }
  settingsSettled_ = true;
  EndWhenSettled();
}

void Alarm::On(const event::Done<effect::TellDesktop>& done) {
  if (!done.result) {
    Log(Level::Warning, {"The desktop could not be told: ", done.result.Reason()});
  }
}

// Said once: on a desktop without a way to hold it, every change would say it again.
void Alarm::On(const event::Done<effect::Hold>& done) {
  if (done.result || std::exchange(toldNoHold_, true)) return;
  Log(Level::Warning, {"The computer cannot be kept awake for the alarm: ", done.result.Reason()});
}

// The log tells the wake-up the platform took, once for each instant; a computer that cannot wake
// itself is the user's to hear the first time the user turns an alarm on.
void Alarm::On(const event::Done<effect::WakeAt, WakeUpSet>& done) {
  if (wakeSet_ == done.effect.instant) {
    wakeCovers_ = done.result && done.result->cannotWake.empty();
    if (!ending_ && HoldWanted() != holding_) Held();
  }
  if (!done.result) {
    if (!std::exchange(toldNoWake_, true)) {
      Log(Level::Info, {"The computer cannot be woken for the alarm: ", done.result.Reason()});
    }
    return;
  }
  const std::string& advice = done.result->cannotWake;
  constexpr std::string_view what =
      "This computer cannot wake itself for the alarm: it rings when the computer is woken.";
  if (!advice.empty() && !std::exchange(loggedCannotWake_, true)) {
    Log(Level::Warning, {what, " ", advice});
  }
  if (!advice.empty() && done.effect.userArmed && !ending_ &&
      !std::exchange(toldCannotWake_, true)) {
    Warn(Fill(Tr("This computer cannot wake itself for the alarm: it rings when the computer is "
                 "woken.\n\n%1"),
              {advice}),
         kProgramName, BoxKind::Information);
  }
  if (wakeSet_ != done.effect.instant || wakeTold_ == done.effect.instant) return;
  wakeTold_ = done.effect.instant;
  const WallTime t = clock_.LocalAt(done.effect.instant);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  Log(Level::Info, {"Wake-up asked for ", text});
}

void Alarm::On(const event::Done<effect::Announce>& done) {
  if (done.result || std::exchange(toldNoNotice_, true)) return;
  Log(Level::Warning,
      {"The desktop's notice of the ring could not be shown: ", done.result.Reason()});
}

}  // namespace dawnquill
