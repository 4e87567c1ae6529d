#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "interfaces/player_listener.h"

namespace dawnquill {

// Whether the user's player can be heard, from what could be learnt of it at one moment after
// another while a ring lasts. What cannot be told counts as heard: the user's music is the ring,
// and the alarm's own sound only stands in for it.
class RingHearing {
 public:
  // A new ring: what earlier readings showed counts no more.
  void Begin() { *this = {}; }
  // Why the player cannot be heard, or nothing when it may be. A position, and a stream at a peak
  // of 0, each need a second reading: the first tells nothing on its own.
  std::string_view Silence(const PlayerSound& sound);

 private:
  std::optional<std::int64_t> lastPosition_;
  bool positionMoved_ = false;  // some players report a position that never moves
  bool lastQuiet_ = false;
};

}  // namespace dawnquill
