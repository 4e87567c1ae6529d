#include "player/player_remote.h"

#include <filesystem>
#include <system_error>

namespace dawnquill {

// The path is UTF-8 on both platforms, whatever the narrow code page.
void PlayerRemote::Open(const std::string& uri, const std::string& path,
                        std::optional<ListEntry> again, MediaPlayer::Opened opened) {
  if (!Running()) return opened(Failure{"no media player runs"});
  std::error_code error;
  if (!path.empty() && !std::filesystem::exists(
                           std::filesystem::path(std::u8string(path.begin(), path.end())), error)) {
    return opened(Failure{path + " is not there"});
  }
  player_.Open(uri, path, again, std::move(opened));
}

}  // namespace dawnquill
