#pragma once

#include <cstdint>
#include <string_view>

#include "platform/player_windows.h"

namespace dawnquill {

// The remote control of the user's media player. Every command looks for the player afresh, so a
// player that was closed and started again is reached without any reset.
class WinampControl {
 public:
  static constexpr std::string_view kWindowClass = "Winamp v1.x";
  static constexpr std::uint32_t kWmCommand = 0x0111;
  static constexpr std::uintptr_t kPreviousTrack = 40044;
  static constexpr std::uintptr_t kPlay = 40045;
  static constexpr std::uintptr_t kPause = 40046;
  static constexpr std::uintptr_t kStop = 40047;
  static constexpr std::uintptr_t kNextTrack = 40048;

  explicit WinampControl(PlayerWindows& windows) : windows_(windows) {}

  // Looks for the player and keeps what was found in WinampWindow.
  bool WinampRunning();
  // Each returns false, having sent nothing, when no player runs; true once the player has the
  // command.
  bool Play() { return Command(kPlay); }
  bool Pause() { return Command(kPause); }
  bool StopPlayback() { return Command(kStop); }
  bool NextTrack() { return Command(kNextTrack); }
  bool PreviousTrack() { return Command(kPreviousTrack); }

  PlayerHandle WinampWindow;

 private:
  bool Command(std::uintptr_t number);

  PlayerWindows& windows_;
};

}  // namespace dawnquill
