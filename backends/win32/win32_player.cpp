#include "backends/win32/win32_player.h"

namespace dawnquill {

bool Win32Player::Find() {
  window_ = FindWindowA(kWindowClass, nullptr);
  return window_ != nullptr;
}

// A send, not a post: the player has handled the command when this returns, so it plays before
// the alarm counts as ringing. A player that does not answer within the bound, or whose window
// has gone since the search, counts as having taken it: a hung player must not hold the alarm
// clock.
void Win32Player::Send(PlayerCommand command) {
  const WPARAM number = command == PlayerCommand::Play ? kPlay : kStop;
  if (window_ != nullptr) {
    SendMessageTimeoutA(window_, WM_COMMAND, number, 0, SMTO_ABORTIFHUNG, kCallLimitMs, nullptr);
  }
}

}  // namespace dawnquill
