#pragma once

#include <string_view>

#include "interfaces/result.h"

namespace dawnquill {

enum class PlayerCommand { Play, Stop };

// What the user is told while no player runs: the prompt and the box's title.
struct MissingPlayerPrompt {
  std::string_view text;
  std::string_view title;
};

// The user's media player, an outside program that the platform finds and sends commands to.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Looks for the running player afresh and remembers it; false when none runs.
  virtual bool Find() = 0;
  // Sends the command to the player found last, and returns once the player has taken it, or
  // with the reason it did not within the call limit.
  virtual Result<> Send(PlayerCommand command) = 0;
  // Names the platform's player to the user.
  virtual MissingPlayerPrompt Missing() const = 0;
};

}  // namespace dawnquill
