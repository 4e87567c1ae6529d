#include "player/winamp_control.h"

namespace dawnquill {

bool WinampControl::WinampRunning() {
  WinampWindow = windows_.FindByClass(kWindowClass);
  return !WinampWindow.empty();
}

bool WinampControl::Command(std::uintptr_t number) {
  if (!WinampRunning()) return false;
  windows_.Send(WinampWindow, kWmCommand, number, 0);
  return true;
}

}  // namespace dawnquill
