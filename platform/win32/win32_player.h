#pragma once

#include <windows.h>

#include "platform/media_player.h"

namespace dawnquill {

// The player's main window, found by its class and sent command messages, as the player's own
// remote-control interface expects.
class Win32Player final : public MediaPlayer {
 public:
  static constexpr const char* kWindowClass = "Winamp v1.x";
  static constexpr WPARAM kPrevious = 40044;
  static constexpr WPARAM kPlay = 40045;
  static constexpr WPARAM kPause = 40046;
  static constexpr WPARAM kStop = 40047;
  static constexpr WPARAM kNext = 40048;

  bool Find() override;
  void Send(PlayerCommand command) override;

 private:
  HWND window_ = nullptr;
};

}  // namespace dawnquill
