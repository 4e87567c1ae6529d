#pragma once

#include <vector>

#include <windows.h>

namespace dawnquill {

// While it lives, the thread's windows, shown or hidden, take no input but `except`: what a modal
// window or message box needs, so that a window shown from the tray meanwhile is disabled too.
// Holds nest in any order: a window comes back only when the last hold on it goes, and only if it
// took input before the first, so that a box that ends under the wake-up window leaves the main
// window disabled.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND except = nullptr);
  ~OtherWindowsDisabled();
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  std::vector<HWND> held_;
};

}  // namespace dawnquill
