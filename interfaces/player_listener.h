#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace dawnquill {

// How the sound server sees the player's stream.
enum class StreamSound {
  Unknown,  // no stream of the player's found, or no sound server that answers
  Flowing,  // playing, not muted and above volume 0
  Quiet,    // live, but at a peak of 0 when read: silent only if it stays so
  Silent,   // paused, muted or at volume 0, or no stream where the platform sees every one
};

// What could be learnt at one moment of whether the user's player can be heard. Each part is
// empty where the platform or the player cannot tell.
struct PlayerSound {
  std::optional<bool> playing{};           // the player's own word
  std::optional<bool> namesTrack{};        // whether the player names a track it has to play
  std::optional<double> volume{};          // the player's own, 0 to 1
  std::optional<std::int64_t> position{};  // into the track, in microseconds
  StreamSound stream = StreamSound::Unknown;
  bool outputMuted = false;  // the device the player plays to is muted or at 0
};

// Listens for the player found last, during a ring.
class PlayerListener {
 public:
  virtual ~PlayerListener() = default;

  // Asks without waiting. `heard` runs once, from the event loop, within a bounded time: with
  // empty parts for what did not answer in time.
  virtual void Listen(std::function<void(const PlayerSound&)> heard) = 0;
  // The ring is over: what was opened to listen is closed, and answers still due are dropped.
  virtual void Done() = 0;
};

}  // namespace dawnquill
