#pragma once

#include <functional>

#include <windows.h>

#include "interfaces/countdown.h"

namespace dawnquill {

// A thread timer without a window: whichever loop runs on the program's thread, a message box's
// own or the program's, dispatches it. One a program, as the timer's call finds it by a static.
class Win32Countdown final : public Countdown {
 public:
  Win32Countdown() = default;
  ~Win32Countdown() override;
  Win32Countdown(const Win32Countdown&) = delete;
  Win32Countdown& operator=(const Win32Countdown&) = delete;

  void Start(std::chrono::milliseconds delay, std::function<void()> done) override;

 private:
  static void CALLBACK Elapsed(HWND window, UINT message, UINT_PTR timer, DWORD time);

  UINT_PTR timer_ = 0;
  std::function<void()> done_;
};

}  // namespace dawnquill
