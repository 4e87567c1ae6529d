#pragma once

#include <windows.h>

#include "core/call_limit.h"
#include "interfaces/media_player.h"

namespace dawnquill {

// The player's main window, found by its class and sent command messages, as the player's own
// remote-control interface expects.
class Win32Player final : public MediaPlayer {
 public:
  static constexpr const char* kWindowClass = "Winamp v1.x";
  static constexpr WPARAM kPlay = 40045;
  static constexpr WPARAM kStop = 40047;

  bool Find() override;
  Result<> Send(PlayerCommand command) override;
  MissingPlayerPrompt Missing() const override {
    return {"Winamp is not running. Please start winamp to use the alarm.", "Winamp not running"};
  }

  // The window of the player found last, or none.
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace dawnquill
