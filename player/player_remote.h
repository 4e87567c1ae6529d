#pragma once

#include <optional>
#include <string>

#include "interfaces/media_player.h"

namespace dawnquill {

// The remote control of the user's media player. Every command looks for the player afresh, so a
// player that was closed and started again is reached without any reset.
class PlayerRemote {
 public:
  explicit PlayerRemote(MediaPlayer& player) : player_(player) {}

  bool Running() { return player_.Find(); }
  // Fails, having sent nothing, when no player runs.
  Result<> Play() {
    if (!Running()) return Failure{"no media player runs"};
    return player_.Send(PlayerCommand::Play);
  }
  // Nothing to stop when no player runs.
  Result<> Stop() {
    if (!Running()) return {};
    return player_.Send(PlayerCommand::Stop);
  }
  // Hands over nothing when no player runs.
  void Open(const std::string& uri, const std::string& path, std::optional<ListEntry> again,
            MediaPlayer::Opened opened) {
    if (!Running()) return opened(Failure{"no media player runs"});
    player_.Open(uri, path, again, std::move(opened));
  }
  void ReadPlaying(std::function<void(Result<PlayingNow>)> read) {
    if (!Running()) return read(Failure{"no media player runs"});
    player_.ReadPlaying(std::move(read));
  }
  MissingPlayerPrompt Missing() const { return player_.Missing(); }

 private:
  MediaPlayer& player_;
};

}  // namespace dawnquill
