#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "interfaces/result.h"

namespace dawnquill {

enum class PlayerCommand { Play, Stop };

// What the user is told while no player runs: the prompt and the box's title.
struct MissingPlayerPrompt {
  std::string text;
  std::string title;
};

// Where a player that keeps a list put what it was handed, and the list's length then: while the
// length stays, the entry is the same, and is selected again rather than handed over twice.
struct ListEntry {
  int index = 0;
  int length = 0;

  friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

// What the player says it plays: the URL of its track, or its place in the list.
struct PlayingNow {
  std::string url;
  std::optional<int> position;
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
  // Hands the player found last what to play, a URI or a path, as the platform's player takes
  // it; `again`: where it was put the last time.
  // Answers once, from the event loop or at once, with where the player keeps it, if it says.
  using Opened = std::function<void(Result<std::optional<ListEntry>>)>;
  virtual void Open(const std::string& uri, const std::string& path, std::optional<ListEntry> again,
                    Opened opened) = 0;
  // Asks the player found last what it plays; answers once, as Open does.
  virtual void ReadPlaying(std::function<void(Result<PlayingNow>)> read) = 0;
  // Names the platform's player to the user.
  virtual MissingPlayerPrompt Missing() const = 0;
};

}  // namespace dawnquill
