#include "core/ring_hearing.h"

#include <utility>

#include "core/logger.h"

namespace dawnquill {

constexpr std::string_view kNoPlayer = "no media player runs";

void RingHearing::Begin(bool played) {
  End();
  ringing_ = true;
  toldMuted_ = false;
  lastPosition_.reset();
  positionMoved_ = false;
  lastQuiet_ = false;
  if (!played) return Decide(kNoPlayer);
  events_.Later([this, round = round_] {
    if (round == round_ && !listening_) Listen();
  });
}

void RingHearing::Check(bool playerRuns) {
  if (!ringing_) return;
  if (!playerRuns) {
    DropAnswers();
    return Decide(kNoPlayer);
  }
  // A question still unanswered is within its bound: the next tick asks again.
  if (!listening_) Listen();
}

void RingHearing::End() {
  if (!ringing_) return;
  ringing_ = false;
  DropAnswers();
  listener_.Done();
  if (sounding_) {
    sound_.Stop();
    sounding_ = false;
  }
}

void RingHearing::Listen() {
  listening_ = true;
  listener_.Listen([this, round = round_](const PlayerSound& sound) {
    if (round != round_) return;
    listening_ = false;
    Decide(Silence(sound));
  });
}

void RingHearing::DropAnswers() {
  ++round_;
  listening_ = false;
}

// Why the player cannot be heard, or nothing when it may be. A position and a peak of 0 each
// need a second reading: the first tells nothing on its own.
std::string_view RingHearing::Silence(const PlayerSound& sound) {
  const bool moved = sound.position && lastPosition_ && *sound.position != *lastPosition_;
  const bool stalled = positionMoved_ && sound.position && lastPosition_ && !moved;
  positionMoved_ = positionMoved_ || moved;
  lastPosition_ = sound.position;
  const bool quietBefore = std::exchange(lastQuiet_, sound.stream == StreamSound::Quiet);
  if (sound.outputMuted && !std::exchange(toldMuted_, true)) {
    logger::Write(
        {"The sound output is muted or at 0: the ring cannot be heard until it is "
         "turned up, and DawnQuill leaves that to the user"});
  }
  if (sound.playing == false) return "it does not play";
  // A player may say it plays with nothing to play; a stream that flows proves it wrong.
  if (sound.namesTrack == false && sound.stream != StreamSound::Flowing) {
    return "it has no track to play";
  }
  if (sound.volume && *sound.volume <= 0) return "its volume is 0";
  if (stalled) return "its track stands still";
  if (sound.stream == StreamSound::Silent) return "its sound is paused, muted or at 0";
  if (sound.stream == StreamSound::Quiet && quietBefore) return "its sound stays at 0";
  if (sound.outputMuted) return "its output is muted";
  return {};
}

void RingHearing::Decide(std::string_view silence) {
  if (!silence.empty() && !sounding_) {
    sound_.Start([](const Result<>& sounds) {
      if (!sounds) logger::Write({"The alarm's own sound cannot play: ", sounds.Reason()});
    });
    sounding_ = true;
    logger::Write({"The player cannot be heard, ", silence, ": the alarm sounds its own sound"});
  } else if (silence.empty() && sounding_) {
    sound_.Stop();
    sounding_ = false;
    logger::Write({"The player is heard: the alarm's own sound stops"});
  }
}

}  // namespace dawnquill
