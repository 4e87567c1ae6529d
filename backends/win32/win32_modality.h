#pragma once

#include <vector>

#include <windows.h>

namespace dawnquill {

// While it lives, the thread's windows, shown or hidden, take no input but `except`: what a modal
// window or message box needs, so that a window shown from the tray meanwhile is disabled too.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND except = nullptr);
  ~OtherWindowsDisabled();
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace dawnquill
