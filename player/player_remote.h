#pragma once

#include "interfaces/media_player.h"

namespace dawnquill {

// The remote control of the user's media player. Every command looks for the player afresh, so a
// player that was closed and started again is reached without any reset.
class PlayerRemote {
 public:
  explicit PlayerRemote(MediaPlayer& player) : player_(player) {}

  bool Running() { return player_.Find(); }
  // Each returns false, having sent nothing, when no player runs; true once the player has the
  // command.
  bool Play() { return Command(PlayerCommand::Play); }
  bool Stop() { return Command(PlayerCommand::Stop); }
  MissingPlayerPrompt Missing() const { return player_.Missing(); }

 private:
  bool Command(PlayerCommand command) {
    if (!Running()) return false;
    player_.Send(command);
    return true;
  }

  MediaPlayer& player_;
};

}  // namespace dawnquill
