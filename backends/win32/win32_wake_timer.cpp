#include "backends/win32/win32_wake_timer.h"

#include "backends/win32/win32_desktop.h"
#include "backends/win32/win32_window_class.h"

namespace dawnquill {
namespace {

constexpr const char* kWindowClass = "DawnQuillWakeUp";
constexpr UINT kWoken = WM_APP;

}  // namespace

Win32WakeTimer::Win32WakeTimer(HINSTANCE instance, std::function<void()> cannotWake)
    : cannotWake_(std::move(cannotWake)),
      timer_(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  window_ = CreateMessageWindow(instance, kWindowClass, WindowProc, this, Hearing::OwnMessagesOnly);
  if (timer_ != nullptr && stop_ != nullptr && window_ != nullptr) {
    thread_ = CreateThread(nullptr, 0, Wait, this, 0, nullptr);
  }
}

Win32WakeTimer::~Win32WakeTimer() {
  if (thread_ != nullptr) {
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  for (HANDLE handle : {timer_, stop_}) {
    if (handle != nullptr) CloseHandle(handle);
  }
  DestroyWindow(window_);
}

// A positive due time is an absolute UTC instant; a relative one would not count time asleep.
void Win32WakeTimer::WakeAt(std::chrono::sys_seconds instant) {
  if (timer_ == nullptr) return;
  LARGE_INTEGER due;
  due.QuadPart = FileTimeSteps(instant);
  SetLastError(ERROR_SUCCESS);
  const BOOL set = SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, TRUE);
  if (set && GetLastError() == ERROR_NOT_SUPPORTED && !told_ && cannotWake_) {
    told_ = true;
    cannotWake_();
  }
}

void Win32WakeTimer::Cancel() {
  if (timer_ != nullptr) CancelWaitableTimer(timer_);
}

DWORD WINAPI Win32WakeTimer::Wait(void* self) {
  auto* timer = static_cast<Win32WakeTimer*>(self);
  const HANDLE handles[] = {timer->stop_, timer->timer_};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageA(timer->window_, kWoken, 0, 0);
  }
  return 0;
}

LRESULT CALLBACK Win32WakeTimer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<Win32WakeTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == kWoken && self != nullptr && self->events_ != nullptr) {
    self->events_->Woken();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace dawnquill
