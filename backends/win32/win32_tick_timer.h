#pragma once

#include <windows.h>

#include "interfaces/tick_timer.h"

namespace dawnquill {

// A thread timer, as SetTimer keeps it for the program's thread: any message loop that runs
// there, a message box's own or the program's, fires it. It counts at the system's tick, and a
// shot that comes before the instant by the clock the ticks read is set again for the rest.
class Win32TickTimer final : public TickTimer {
 public:
  Win32TickTimer() = default;
  ~Win32TickTimer() override;
  Win32TickTimer(const Win32TickTimer&) = delete;
  Win32TickTimer& operator=(const Win32TickTimer&) = delete;

  void SetFor(std::chrono::sys_seconds instant) override;
  void CancelTick() override;
  void SetEvents(TickTimerEvents* events) override { events_ = events; }

 private:
  static void CALLBACK Shot(HWND window, UINT message, UINT_PTR shot, DWORD time);
  void SetForTheRest();

  TickTimerEvents* events_ = nullptr;
  long long instant_ = 0;  // in FILETIME's steps
  UINT_PTR shot_ = 0;      // none
};

}  // namespace dawnquill
