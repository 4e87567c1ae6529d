#pragma once

#include "interfaces/result.h"

namespace dawnquill {

// A player's volume, in the player's own units: `full` is its 100%, which a player may let
// the user go beyond.
struct VolumeLevel {
  double level = 0;
  double full = 1;
};

// The volume of the media player that the remote control found last. Each call returns within
// the call limit.
class PlayerVolume {
 public:
  virtual ~PlayerVolume() = default;

  virtual Result<VolumeLevel> Volume() = 0;
  // Returns the level the player holds now, which may be the nearest it has to the one asked.
  virtual Result<double> SetVolume(double level) = 0;
};

}  // namespace dawnquill
