#include "backends/win32/win32_session_guard.h"

#include "backends/win32/win32_form_view.h"

namespace dawnquill {

UINT Win32SessionGuard::ComeForwardMessage() {
  static const UINT message = RegisterWindowMessageW(L"DawnQuill.ComeForward");
  return message;
}

UINT Win32SessionGuard::EndMessage() {
  static const UINT message = RegisterWindowMessageW(L"DawnQuill.End");
  return message;
}

Win32SessionGuard::Win32SessionGuard()
    : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\DawnQuill")),
      first_(GetLastError() != ERROR_ALREADY_EXISTS) {}

Win32SessionGuard::~Win32SessionGuard() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

// The wake-up window shares the class, so the main window is also found by its caption.
void Win32SessionGuard::BringFirstForward() {
  HWND first = FindWindowW(Win32FormView::kWindowClass, L"DawnQuill");
  if (first == nullptr) return;
  DWORD process = 0;
  GetWindowThreadProcessId(first, &process);
  AllowSetForegroundWindow(process);
  PostMessageW(first, ComeForwardMessage(), 0, 0);
}

}  // namespace dawnquill
