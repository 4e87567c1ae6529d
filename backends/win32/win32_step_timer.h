#pragma once

#include <functional>

#include <windows.h>

#include "interfaces/step_timer.h"

namespace dawnquill {

// A window timer on a message-only window of the program's thread, so that whichever loop runs
// there, a message box's own or the program's, hands on its call.
class Win32StepTimer final : public StepTimer {
 public:
  explicit Win32StepTimer(HINSTANCE instance);
  ~Win32StepTimer() override;
  Win32StepTimer(const Win32StepTimer&) = delete;
  Win32StepTimer& operator=(const Win32StepTimer&) = delete;

  void After(std::chrono::milliseconds delay, std::function<void()> due) override;
  void Cancel() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::function<void()> due_;
};

}  // namespace dawnquill
