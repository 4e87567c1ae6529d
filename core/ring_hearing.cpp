#include "core/ring_hearing.h"

#include <utility>

namespace dawnquill {

std::string_view RingHearing::Silence(const PlayerSound& sound) {
  const bool moved = sound.position && lastPosition_ && *sound.position != *lastPosition_;
  const bool stalled = positionMoved_ && sound.position && lastPosition_ && !moved;
  positionMoved_ = positionMoved_ || moved;
  lastPosition_ = sound.position;
  const bool quietBefore = std::exchange(lastQuiet_, sound.stream == StreamSound::Quiet);
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

}  // namespace dawnquill
