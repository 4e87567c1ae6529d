#include "player/mpris_names.h"

#include <algorithm>
#include <array>
#include <vector>

namespace dawnquill::mpris {
namespace {

// The first part of a name after the prefix, for programs that speak MPRIS without being the
// user's music player on this computer: browsers, whose tabs' players come and go; the phone
// bridges, whose players play on the phone; and the playerctld proxy, which stands for another.
constexpr std::array<std::string_view, 14> kNotPlayers{
    "chromium",
    "chrome",
    "firefox",
    "brave",
    "vivaldi",
    "opera",
    "edge",
    "msedge",
    "epiphany",
    "falkon",
    "plasma-browser-integration",
    "kdeconnect",
    "GSConnect",
    "playerctld",
};

}  // namespace

bool IsWakingPlayer(std::string_view busName) {
  if (!busName.starts_with(kNamePrefix)) return false;
  const std::string_view rest = busName.substr(kNamePrefix.size());
  const std::string_view first = rest.substr(0, rest.find('.'));
  if (first.empty()) return false;
  return std::find(kNotPlayers.begin(), kNotPlayers.end(), first) == kNotPlayers.end();
}

std::optional<std::string> ChoosePlayer(std::span<const std::string> busNames,
                                        const std::function<bool(const std::string&)>& canPlay) {
  std::vector<std::string> players;
  for (const std::string& name : busNames) {
    if (IsWakingPlayer(name)) players.push_back(name);
  }
  if (players.empty()) return std::nullopt;
  std::sort(players.begin(), players.end());
  if (players.size() > 1) {
    for (const std::string& name : players) {
      if (canPlay(name)) return name;
    }
  }
  return players.front();
}

Method MethodFor(PlayerCommand command, bool canPause) {
  if (command == PlayerCommand::Play) return Method::Play;
  return canPause ? Method::Pause : Method::Stop;
}

}  // namespace dawnquill::mpris
