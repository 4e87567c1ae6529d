#include "backends/win32/win32_countdown.h"

#include <utility>

#include "backends/win32/win32_window_class.h"

namespace dawnquill {
namespace {

constexpr const wchar_t* kWindowClass = L"DawnQuillCountdown";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

Win32Countdown::Win32Countdown(HINSTANCE instance)
    : window_(CreateMessageWindow(instance, kWindowClass, WindowProc, this,
                                  Hearing::OwnMessagesOnly)) {}

Win32Countdown::~Win32Countdown() { DestroyWindow(window_); }

// Setting the same timer again replaces the pending one.
void Win32Countdown::After(std::chrono::milliseconds delay, std::function<void()> due) {
  due_ = std::move(due);
  SetTimer(window_, kTimerId, static_cast<UINT>(delay.count()), nullptr);
}

void Win32Countdown::Cancel() {
  KillTimer(window_, kTimerId);
  due_ = {};
}

LRESULT CALLBACK Win32Countdown::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Countdown*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != WM_TIMER || wParam != kTimerId || self == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // A window timer repeats; this one calls once, and what it calls may ask for the next step.
  KillTimer(window, kTimerId);
  if (const std::function<void()> due = std::exchange(self->due_, {})) due();
  return 0;
}

}  // namespace dawnquill
