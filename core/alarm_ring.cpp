#include "core/alarm.h"
#include "core/missed_minute.h"

namespace dawnquill {

using logger::Level;
using std::chrono::minutes;

namespace {

constexpr std::string_view kNoPlayer = "no media player runs";

}  // namespace

// The player first, then the window; the ring comes whatever is asked meanwhile: a prompt for a
// player gives way to it, and comes back after it while no player runs. The ring is kept as due at
// the minute that rang, so that a program killed while it rings rings again when started within
// the hour.
void Alarm::Ring(bool playerRuns) {
  ringDue_ = DueTime();
  rang_ = state_ == AlarmState::Snoozing ? *snoozeDue_ : MinuteThatCame();
  state_ = AlarmState::Ringing;
  playerRuns_ = playerRuns;
  played_ = ringTold_ = toldOwnFailure_ = toldMuted_ = false;
  handing_ = Handing::None;
  hearing_.Begin();
  if (asking_) {
    asking_ = false;
    Do(effect::StopAsking{});
  }
  if (playerRuns) PlayGently();
  Do(effect::OpenRing{});
  Changed(false);
  Do(effect::Announce{ringDue_});
  if (playerRuns) return;
  ringTold_ = true;
  Log(Level::Info, {"Ringing for ", ringDue_, ": ", kNoPlayer});
  Silent(kNoPlayer);
}

// A tick while it rings asks again whether the player is heard, tells a player that came back to
// play, and tries the own sound again where it failed while the player is still silent.
void Alarm::RingTick(bool playerRuns) {
  playerRuns_ = playerRuns;
  if (!playerRuns) {
    played_ = listening_ = false;
    ++question_;
    Silent(kNoPlayer);
  } else if (!played_) {
    // Nothing is asked of the hearing while the player is being readied.
    if (handing_ == Handing::None && !fade_.Asking()) PlayChosen();
  } else if (!listening_) {
    AskWhetherHeard();
  }
  if (!silence_.empty() && own_ == OwnSound::Failed) {
    own_ = OwnSound::Asked;
    Do(effect::SoundOwn{++attempt_});
  }
}

// A player that did not take the command counts as silent until it is heard; it is not told
// again, as it may hang.
void Alarm::On(const event::Done<effect::Play>& done) {
  if (state_ != AlarmState::Ringing || played_) return;
  played_ = true;
  const bool cameBack = std::exchange(ringTold_, true);
  if (!done.result) {
    if (cameBack) {
      Log(Level::Warning,
          {"The player that came back could not be told to play: ", done.result.Reason()});
    } else {
      Log(Level::Warning, {"Ringing for ", ringDue_,
                           ": the player could not be told to play: ", done.result.Reason()});
    }
    return Silent("it did not take the command to play");
  }
  if (cameBack) {
    Log(Level::Info, {"The player that came back was told to play"});
  } else {
    Log(Level::Info, {"Ringing for ", ringDue_, ": the player was told to play"});
  }
  AskWhetherHeard();
}

void Alarm::AskWhetherHeard() {
  listening_ = true;
  Do(effect::Listen{++question_});
}

void Alarm::On(const event::Heard& heard) {
  if (state_ != AlarmState::Ringing || heard.asked.question != question_) return;
  listening_ = false;
  if (heard.sound.outputMuted && !std::exchange(toldMuted_, true)) {
    Log(Level::Warning,
        {"The sound output is muted or at 0: the ring cannot be heard until it is turned up, "
         "and DawnQuill leaves that to the user"});
  }
  const std::string_view why = hearing_.Silence(heard.sound);
  if (why.empty()) return Audible();
  Silent(why);
}

void Alarm::Silent(std::string_view why) {
  if (!silence_.empty()) return;
  silence_ = why;
  own_ = OwnSound::Asked;
  Do(effect::SoundOwn{++attempt_});
}

void Alarm::Audible() {
  if (silence_.empty()) return;
  silence_.clear();
  if (own_ == OwnSound::Sounding) {
    Log(Level::Info, {"The player is heard: the alarm's own sound stops"});
  }
  if (own_ != OwnSound::Quiet) Do(effect::SilenceOwn{});
  own_ = OwnSound::Quiet;
}

// Said once it sounds, not when it was asked for; a failure once a ring, with the next tick
// trying again.
void Alarm::On(const event::Done<effect::SoundOwn>& done) {
  if (state_ != AlarmState::Ringing || done.effect.attempt != attempt_ || silence_.empty()) return;
  if (!done.result) {
    own_ = OwnSound::Failed;
    if (!std::exchange(toldOwnFailure_, true)) {
      Log(Level::Error, {"The player cannot be heard, ", silence_,
                         ", and the alarm's own sound cannot play: ", done.result.Reason()});
    }
    return;
  }
  if (own_ == OwnSound::Sounding) return;
  own_ = OwnSound::Sounding;
  Log(Level::Info, {"The player cannot be heard, ", silence_, ": the alarm sounds its own sound"});
}

// However the ring ends: the own sound stops first, then the player, which may take up to a
// call's bound to answer; the ring's window and its notice go.
void Alarm::EndRing(bool stopPlayer) {
  if (state_ != AlarmState::Ringing) return;
  if (own_ != OwnSound::Quiet) Do(effect::SilenceOwn{});
  own_ = OwnSound::Quiet;
  silence_.clear();
  ++question_;
  listening_ = false;
  Do(effect::StopListening{});
  if (stopPlayer) Do(effect::StopPlayer{});
  SettleVolume();
  Do(effect::CloseRing{});
  Do(effect::Unannounce{});
}

}  // namespace dawnquill
