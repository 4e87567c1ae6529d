#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "interfaces/media_player.h"

// Which of the media players on the session bus DawnQuill wakes, and which MPRIS method carries
// each of the player remote's commands.
namespace dawnquill::mpris {

inline constexpr std::string_view kNamePrefix = "org.mpris.MediaPlayer2.";

// True for a bus name of a media player that may wake the user. Browsers, phone bridges and the
// playerctld proxy also speak MPRIS but are not the user's music player.
bool IsWakingPlayer(std::string_view busName);

// The first waking player in sorted order that can play, or the first of all when none can (a
// running player is still a running player), or nothing. `canPlay` is asked only when more than
// one player counts, so that the usual single player costs no question.
std::optional<std::string> ChoosePlayer(std::span<const std::string> busNames,
                                        const std::function<bool(const std::string&)>& canPlay);

enum class Method { Play, Pause, Stop };

// Stop is sent as Pause: some players forget their playlist on Stop, and the ring after a snooze
// would then play nothing. A player that cannot pause (a live stream) ignores Pause, and gets
// Stop.
Method MethodFor(PlayerCommand command, bool canPause);

}  // namespace dawnquill::mpris
