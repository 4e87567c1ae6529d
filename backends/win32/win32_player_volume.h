#pragma once

#include "backends/win32/win32_player.h"
#include "interfaces/player_volume.h"

namespace dawnquill {

// The volume of the player's window found last, 0 to 255, through the player's own remote-control
// messages: WM_USER with the level, or with -666 to read it.
class Win32PlayerVolume final : public PlayerVolume {
 public:
  static constexpr LPARAM kSetVolume = 122;
  static constexpr WPARAM kReadVolume = static_cast<WPARAM>(-666);
  static constexpr int kFull = 255;

  explicit Win32PlayerVolume(const Win32Player& player) : player_(player) {}

  Result<VolumeLevel> Volume() override;
  Result<double> SetVolume(double level) override;

 private:
  Result<LRESULT> Ask(WPARAM wParam);

  const Win32Player& player_;
};

}  // namespace dawnquill
