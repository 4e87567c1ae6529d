#include "backends/win32/win32_player.h"

namespace dawnquill {

bool Win32Player::Find() {
  window_ = FindWindowA(kWindowClass, nullptr);
  return window_ != nullptr;
}

// A send, not a post: the player has handled the command when this returns, so it plays before
// the alarm counts as ringing. A window gone since the search takes nothing.
void Win32Player::Send(PlayerCommand command) {
  const WPARAM number = command == PlayerCommand::Play ? kPlay : kStop;
  if (window_ != nullptr) SendMessageA(window_, WM_COMMAND, number, 0);
}

}  // namespace dawnquill
