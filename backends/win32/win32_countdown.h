#pragma once

#include <functional>

#include <windows.h>

#include "interfaces/countdown.h"

namespace dawnquill {

// A window timer on a message-only window of the program's thread, so that whichever loop runs
// there, a message box's own or the program's, hands on its call.
class Win32Countdown final : public Countdown {
 public:
  explicit Win32Countdown(HINSTANCE instance);
  ~Win32Countdown() override;
  Win32Countdown(const Win32Countdown&) = delete;
  Win32Countdown& operator=(const Win32Countdown&) = delete;

  void After(std::chrono::milliseconds delay, std::function<void()> due) override;
  void Cancel() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::function<void()> due_;
};

}  // namespace dawnquill
