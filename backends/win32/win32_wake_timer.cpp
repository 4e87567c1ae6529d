#include "backends/win32/win32_wake_timer.h"

#include "backends/win32/win32_desktop.h"
#include "backends/win32/win32_reason.h"
#include "backends/win32/win32_window_class.h"

namespace dawnquill {
namespace {

constexpr const wchar_t* kWindowClass = L"DawnQuillWakeUp";
constexpr UINT kWoken = WM_APP;
constexpr const char* kAllowWakeTimers =
    "To let DawnQuill wake it, turn on \"Allow wake timers\" under Sleep in the power plan's "
    "advanced settings.";

}  // namespace

Win32WakeTimer::Win32WakeTimer(HINSTANCE instance)
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  window_ = CreateMessageWindow(instance, kWindowClass, WindowProc, this, Hearing::OwnMessagesOnly);
  if (timer_ != nullptr && stop_ != nullptr && window_ != nullptr) {
    thread_ = CreateThread(nullptr, 0, Wait, this, 0, nullptr);
  }
  if (thread_ == nullptr) madeNot_ = GetLastError();
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
// Where the power plan lets no timer wake the computer, the timer is set all the same, and still
// runs a tick at the instant while the computer is awake.
void Win32WakeTimer::WakeAt(std::chrono::sys_seconds instant, Answered answered) {
  if (thread_ == nullptr) return answered(Failure{SystemReason(madeNot_)});
  LARGE_INTEGER due;
  due.QuadPart = FileTimeSteps(instant);
  SetLastError(ERROR_SUCCESS);
  if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, TRUE)) return answered(LastFailure());
  if (GetLastError() == ERROR_NOT_SUPPORTED) return answered(WakeUpSet{kAllowWakeTimers});
  answered(WakeUpSet{});
}

void Win32WakeTimer::Cancel() {
  if (timer_ != nullptr) CancelWaitableTimer(timer_);
}

DWORD WINAPI Win32WakeTimer::Wait(void* self) {
  auto* timer = static_cast<Win32WakeTimer*>(self);
  const HANDLE handles[] = {timer->stop_, timer->timer_};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageW(timer->window_, kWoken, 0, 0);
  }
  return 0;
}

LRESULT CALLBACK Win32WakeTimer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<Win32WakeTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kWoken && self != nullptr && self->events_ != nullptr) {
    self->events_->Woken();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace dawnquill
