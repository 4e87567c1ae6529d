#include "backends/win32/win32_file_chooser.h"

#include <commdlg.h>

#include "backends/win32/win32_text.h"
#include "backends/win32/win32_window_class.h"

namespace dawnquill {
namespace {

constexpr const wchar_t* kWindowClass = L"DawnQuillFiles";
constexpr UINT kShow = WM_APP;

}  // namespace

Win32FileChooser::Win32FileChooser(HINSTANCE instance)
    : window_(CreateMessageWindow(instance, kWindowClass, WindowProc, this,
                                  Hearing::OwnMessagesOnly)) {}

Win32FileChooser::~Win32FileChooser() { DestroyWindow(window_); }

void Win32FileChooser::Choose(const std::string& startPath, Chosen chosen) {
  if (up_ || asked_) return;
  asked_ = Request{startPath, std::move(chosen)};
  PostMessageW(window_, kShow, 0, 0);
}

// Owned by the window that asked, which the dialog disables while it is up.
void Win32FileChooser::Show() {
  if (!asked_) return;
  const Request request = std::move(*asked_);
  asked_.reset();
  const std::wstring start = Wide(request.startPath);
  wchar_t path[32768] = L"";
  if (start.size() < std::size(path)) start.copy(path, start.size());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter =
      L"Sound files\0*.mp3;*.ogg;*.oga;*.opus;*.flac;*.wav;*.wma;*.m4a;*.m3u;*.m3u8;*.pls\0"
      L"All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = static_cast<DWORD>(std::size(path));
  dialog.lpstrTitle = L"Wake with";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  up_ = true;
  const BOOL chosen = GetOpenFileNameW(&dialog);
  up_ = false;
  if (chosen != FALSE) request.chosen(Utf8(path));
}

LRESULT CALLBACK Win32FileChooser::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  auto* self = reinterpret_cast<Win32FileChooser*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kShow && self != nullptr) {
    self->Show();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool Win32FileChooser::IsThere(const std::string& path) const {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace dawnquill
