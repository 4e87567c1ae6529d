#include "backends/win32/win32_player.h"

#include "backends/win32/win32_reason.h"

namespace dawnquill {

bool Win32Player::Find() {
  window_ = FindWindowA(kWindowClass, nullptr);
  return window_ != nullptr;
}

// A send, not a post: the player has handled the command when this returns, so it plays before
// the alarm counts as ringing. A player that does not answer within the bound, or whose window
// has gone since the search, has not taken it: a hung player must not hold the alarm clock.
Result<> Win32Player::Send(PlayerCommand command) {
  const WPARAM number = command == PlayerCommand::Play ? kPlay : kStop;
  if (window_ == nullptr) return Failure{SystemReason(ERROR_INVALID_WINDOW_HANDLE)};
  SetLastError(ERROR_SUCCESS);
  if (SendMessageTimeoutA(window_, WM_COMMAND, number, 0, SMTO_ABORTIFHUNG, kCallLimitMs,
                          nullptr) != 0) {
    return {};
  }
  // Some systems leave no error behind for a timeout.
  const DWORD error = GetLastError();
  return Failure{SystemReason(error == ERROR_SUCCESS ? ERROR_TIMEOUT : error)};
}

}  // namespace dawnquill
