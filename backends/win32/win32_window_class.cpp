#include "backends/win32/win32_window_class.h"

namespace dawnquill {

void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure, WindowFace face) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(instance, name, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  if (face == WindowFace::Dialog) {
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  RegisterClassA(&windowClass);
}

HWND CreateMessageWindow(HINSTANCE instance, const char* name, WNDPROC procedure, void* self,
                         Hearing hearing) {
  RegisterWindowClass(instance, name, procedure);
  const bool topLevel = hearing == Hearing::Broadcasts;
  HWND window = CreateWindowExA(0, name, "", topLevel ? WS_POPUP : 0, 0, 0, 0, 0,
                                topLevel ? nullptr : HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  return window;
}

}  // namespace dawnquill
