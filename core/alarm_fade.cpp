#include <string>

#include "core/alarm.h"

namespace dawnquill {

using logger::Level;

namespace {

std::string Percent(int percent) { return std::to_string(percent) + "%"; }

}  // namespace

// The ring's play waits for the player's level, so that the music starts quiet, even where the
// player starts what it is handed before it is told to play.
void Alarm::PlayGently() {
  if (options_.gentleStartSeconds <= 0) return PlayChosen();
  Do(effect::ReadVolume{fade_.Ask()});
}

// The music plays at the player's own level; a level owed from the last run stays owed.
void Alarm::NoFade(std::string_view why) {
  fade_.Halt();
  if (std::exchange(toldNoFade_, true)) return;
  Log(Level::Warning, {"No gentle start: the player's volume ", why});
}

void Alarm::On(const event::Done<effect::ReadVolume, VolumeLevel>& done) {
  if (state_ != AlarmState::Ringing || done.effect.fade != fade_.Id()) return;
  if (fade_.Asking()) {
    if (!done.result) {
      NoFade("cannot be read: " + done.result.Reason());
    } else {
      const double start =
          fade_.Begin(done.result->level, done.result->full, options_.gentleStartSeconds);
      Do(effect::SetVolume{start, effect::VolumeUse::FadeStart, fade_.Id()});
    }
    return PlayChosen();
  }
  if (!fade_.Rising()) return;
  if (!done.result) {
    fade_.Halt();
    return Log(Level::Warning, {"The gentle start stops: the player's volume cannot be read: ",
                                done.result.Reason()});
  }
  if (fade_.UserSet(done.result->level)) {
    fade_.Stop();
    Log(Level::Info, {"The volume was set to ", Percent(fade_.Percent(done.result->level)),
                      " during the gentle start, and stays there"});
    return Do(effect::Keep{Record(clock_.Utc()), false});
  }
  Do(effect::SetVolume{fade_.Next(), effect::VolumeUse::FadeStep, fade_.Id()});
}

void Alarm::On(const event::FadeStep& step) {
  if (state_ != AlarmState::Ringing || step.fade != fade_.Id() || !fade_.Rising()) return;
  Do(effect::ReadVolume{fade_.Id()});
}

void Alarm::On(const event::Done<effect::SetVolume, double>& done) {
  const double level = done.effect.level;
  if (done.effect.use == effect::VolumeUse::Repay) {
    if (!done.result) {
      return Log(Level::Warning, {"The player's volume could not be set back to the level the "
                                  "last run kept: ",
                                  done.result.Reason()});
    }
    return Log(Level::Info, {"The player's volume is back at the level the last run kept"});
  }
  if (done.effect.use == effect::VolumeUse::Restore) {
    if (!done.result) {
      return Log(Level::Warning, {"The player's volume could not be set back to ",
                                  Percent(fade_.Percent(level)), ": ", done.result.Reason()});
    }
    return Log(Level::Info, {"The player's volume is back at ", Percent(fade_.Percent(level))});
  }
  if (state_ != AlarmState::Ringing || done.effect.fade != fade_.Id() || !fade_.Rising()) return;
  if (done.effect.use == effect::VolumeUse::FadeStep) return Rise(done.result);
  if (!done.result) return NoFade("cannot be set: " + done.result.Reason());
  fade_.Took(*done.result);
  Log(Level::Info, {"The music starts at ", Percent(fade_.Percent(*done.result)), " and rises to ",
                    Percent(fade_.Percent(fade_.Target())), " over ",
                    std::to_string(options_.gentleStartSeconds), " seconds"});
  // Kept with the level, so that a start after a crash sets it back.
  Do(effect::Keep{Record(clock_.Utc()), false});
  Do(effect::StepAfter{RingFade::kStep, fade_.Id()});
}

void Alarm::Rise(const Result<double>& taken) {
  if (!taken) {
    fade_.Halt();
    return Log(Level::Warning,
               {"The gentle start stops: the player's volume cannot be set: ", taken.Reason()});
  }
  fade_.Took(*taken);
  if (!fade_.Reached()) return Do(effect::StepAfter{RingFade::kStep, fade_.Id()});
  Log(Level::Info,
      {"The music is at ", Percent(fade_.Percent(*taken)), ": the gentle start is over"});
  fade_.Stop();
  Do(effect::Keep{Record(clock_.Utc()), false});
}

// After the player stopped: the level the fade took from it goes back, exactly. A level that no
// fade of this run read is the last run's.
void Alarm::SettleVolume() {
  if (fade_.Rising()) Do(effect::CancelStep{});
  const bool read = fade_.Read();
  if (const std::optional<double> owed = fade_.Settle()) {
    Do(effect::SetVolume{*owed, read ? effect::VolumeUse::Restore : effect::VolumeUse::Repay,
                         fade_.Id()});
  }
}

// A fade the last run left unfinished owes the player its level, once a player runs to take it;
// a ring meanwhile fades towards it instead.
void Alarm::RepayVolume(bool playerRuns) {
  if (!playerRuns || !fade_.Owed()) return;
  SettleVolume();
  if (state_ != AlarmState::Off) Do(effect::Keep{Record(clock_.Utc()), false});
}

}  // namespace dawnquill
