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
  // The player's own messages: WM_USER with the code in lParam, and a copy of the wide path.
  static constexpr ULONG_PTR kPlayFileWide = 1100;
  static constexpr LPARAM kSetListPosition = 121;
  static constexpr LPARAM kListLength = 124;
  static constexpr LPARAM kListPosition = 125;

  bool Find() override;
  Result<> Send(PlayerCommand command) override;
  // The player appends what it is handed to its list; the entry is selected for the play.
  void Open(const std::string& uri, const std::string& path, std::optional<ListEntry> again,
            Opened opened) override;
  void ReadPlaying(std::function<void(Result<PlayingNow>)> read) override;
  MissingPlayerPrompt Missing() const override {
    return {"Winamp is not running. Please start winamp to use the alarm.", "Winamp not running"};
  }

  // The window of the player found last, or none.
  HWND Window() const { return window_; }

 private:
  Result<LRESULT> Ask(WPARAM wParam, LPARAM code) const;
  Result<> Append(const std::string& what) const;

  HWND window_ = nullptr;
};

}  // namespace dawnquill
