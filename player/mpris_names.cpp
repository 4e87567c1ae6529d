#include "player/mpris_names.h"

#include <algorithm>
#include <array>

#include "player/winamp_control.h"

namespace dawnquill::mpris {
namespace {

constexpr std::array<std::string_view, 13> kNotPlayers{
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

std::optional<std::string> ChoosePlayer(std::span<const std::string> busNames) {
  std::optional<std::string> chosen;
  for (const std::string& name : busNames) {
    if (IsWakingPlayer(name) && (!chosen || name < *chosen)) chosen = name;
  }
  return chosen;
}

Method MethodFor(unsigned long commandNumber, bool canPause) {
  switch (commandNumber) {
    case WinampControl::kPreviousTrack:
      return Method::Previous;
    case WinampControl::kPlay:
      return Method::Play;
    case WinampControl::kPause:
      return Method::Pause;
    case WinampControl::kStop:
      return canPause ? Method::Pause : Method::Stop;
    case WinampControl::kNextTrack:
      return Method::Next;
    default:
      return Method::None;
  }
}

}  // namespace dawnquill::mpris
