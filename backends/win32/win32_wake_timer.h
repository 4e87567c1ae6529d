#pragma once

#include <windows.h>

#include "interfaces/wake_timer.h"

namespace dawnquill {

// A waitable timer that resumes the computer from sleep at the instant, where the power plan
// allows wake timers. The program's message loops never see a waitable timer, so a thread of its
// own waits for it and posts to a hidden window of the program's thread: whichever loop runs
// there, a message box's own or the program's, then tells its events at once.
class Win32WakeTimer final : public WakeTimer {
 public:
  explicit Win32WakeTimer(HINSTANCE instance);
  ~Win32WakeTimer() override;
  Win32WakeTimer(const Win32WakeTimer&) = delete;
  Win32WakeTimer& operator=(const Win32WakeTimer&) = delete;

  void WakeAt(std::chrono::sys_seconds instant, Answered answered) override;
  void Cancel() override;
  void SetEvents(WakeTimerEvents* events) override { events_ = events; }

 private:
  static DWORD WINAPI Wait(void* self);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  WakeTimerEvents* events_ = nullptr;
  HWND window_ = nullptr;
  HANDLE timer_ = nullptr;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;        // waits for the timer
  DWORD madeNot_ = ERROR_SUCCESS;  // why there is no such thread
};

}  // namespace dawnquill
