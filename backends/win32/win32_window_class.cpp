#include "backends/win32/win32_window_class.h"

namespace dawnquill {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         WindowFace face) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, name, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  if (face == WindowFace::Dialog) {
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  RegisterClassW(&windowClass);
}

HWND CreateMessageWindow(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, void* self,
                         Hearing hearing) {
  RegisterWindowClass(instance, name, procedure);
  const bool topLevel = hearing == Hearing::Broadcasts;
  HWND window = CreateWindowExW(0, name, L"", topLevel ? WS_POPUP : 0, 0, 0, 0, 0,
                                topLevel ? nullptr : HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  return window;
}

}  // namespace dawnquill
