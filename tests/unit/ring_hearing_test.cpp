#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

const PlayerSound kPlaying{.playing = true};
const PlayerSound kStopped{.playing = false};
const PlayerSound kAtVolume0{.playing = true, .volume = 0.0};
const PlayerSound kNoAnswer{};  // neither the player nor the sound server could be asked

// Rings at 6:00. The player answers each of `heard` in turn: the first once the ring's window is
// up, then one at each tick. At the tick numbered `gone`, if any, the player has quit, and it is
// back at the next, and at the end. Then the user ends the ring with `end`. Returns what the own
// sound and the player did after Play, and when the ring ended.
Log RingHeard(const std::vector<PlayerSound>& heard, void (Rig::*end)() = &Rig::AlarmOff,
              std::optional<std::size_t> gone = {}) {
  Rig rig;
  rig.playerSound = heard.front();
  rig.RingAnd([&] {
    for (std::size_t i = 1; i < heard.size(); ++i) {
      rig.playerSound = heard[i];
      rig.playerRunning = i != gone;
      rig.TickAt(6, 0, static_cast<int>(i) * 5);
    }
    rig.playerRunning = true;
    rig.log.push_back("the ring ends");
    (rig.*end)();
  });
  Log effects;
  for (const std::string& entry : rig.log) {
    if (entry.starts_with("own sound") || entry == "player Stop" || entry == "the ring ends") {
      effects.push_back(entry);
    }
  }
  return effects;
}

// The own sound starts at the first answer that the player is silent and stops at the first that
// it is heard; the ring's end stops it before the player. What cannot be told counts as heard.
TEST(RingHearing, SoundsItsOwnOnlyWhileThePlayerIsKnownSilent) {
  const Log stop{"the ring ends", "player Stop"};
  const Log onStop{"own sound on", "the ring ends", "own sound off", "player Stop"};
  const Log onOffStop{"own sound on", "own sound off", "the ring ends", "player Stop"};
  const PlayerSound streamQuiet{.playing = true, .stream = StreamSound::Quiet};
  const struct {
    const char* what;
    std::vector<PlayerSound> heard;
    Log effects;
  } cases[] = {
      {"plays", {kPlaying, kPlaying, kPlaying}, stop},
      {"cannot be asked", {kNoAnswer, kNoAnswer}, stop},
      {"never plays", {kStopped, kStopped, kStopped}, onStop},
      {"at volume 0", {kAtVolume0, kAtVolume0}, onStop},
      {"stops mid-ring and comes back", {kPlaying, kStopped, kStopped, kPlaying}, onOffStop},
      {"a stream paused or muted", {{.playing = true, .stream = StreamSound::Silent}}, onStop},
      {"a stream at 0 at one reading, then sounding",
       {streamQuiet, {.playing = true, .stream = StreamSound::Flowing}, streamQuiet},
       stop},
      {"a stream that stays at 0", {streamQuiet, streamQuiet}, onStop},
      {"a position that never moves", {{.position = 0}, {.position = 0}}, stop},
      {"a position that moved, then stands still",
       {{.position = 0}, {.position = 5'000'000}, {.position = 5'000'000}},
       onStop},
      {"an output muted", {{.playing = true, .outputMuted = true}}, onStop},
      {"says it plays with no track", {{.playing = true, .namesTrack = false}}, onStop},
      {"names no track, but its stream flows",
       {{.playing = true, .namesTrack = false, .stream = StreamSound::Flowing}},
       stop},
  };
  for (const auto& c : cases) EXPECT_EQ(RingHeard(c.heard), c.effects) << c.what;
  // The player quits mid-ring: silent at once, whatever it said before; told to play and heard
  // once it is back.
  EXPECT_EQ(RingHeard({kPlaying, kStopped}, &Rig::AlarmOff, 1), onStop);
  EXPECT_EQ(RingHeard({kPlaying, kPlaying, kPlaying}, &Rig::AlarmOff, 1), onOffStop);
  // The own sound stops with the ring however it ends, and before the player is told to stop.
  EXPECT_EQ(RingHeard({kStopped}, &Rig::Snooze), onStop);
}

}  // namespace
}  // namespace dawnquill::testing
