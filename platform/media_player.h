#pragma once

namespace dawnquill {

enum class PlayerCommand { Previous, Play, Pause, Stop, Next };

// The user's media player, an outside program that the platform finds and sends commands to.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Looks for the running player afresh and remembers it; false when none runs.
  virtual bool Find() = 0;
  // Sends the command to the player found last, and returns once the player has handled it or
  // can no longer be reached. Nothing happens when none was found.
  virtual void Send(PlayerCommand command) = 0;
};

}  // namespace dawnquill
