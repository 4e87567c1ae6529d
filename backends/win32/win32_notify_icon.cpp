#include "backends/win32/win32_notify_icon.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "backends/win32/win32_text.h"
#include "backends/win32/win32_window_class.h"
#include "tray/tray_pictures.h"

namespace dawnquill {
namespace {

namespace tp = tray_pictures;
constexpr const wchar_t* kWindowClass = L"DawnQuillTray";
constexpr UINT_PTR kAreaWaitTimer = 1;

HICON MakeTrayIcon(TrayPicture picture, int size) {
  const tp::Argb colours = tp::ArgbPixels(picture, size);  // little-endian: the BGRA bytes it takes
  const std::vector<std::uint8_t> mask = tp::TransparencyMask(colours, size, (size + 15) / 16 * 2);
  return CreateIcon(GetModuleHandleW(nullptr), size, size, 1, 32, mask.data(),
                    reinterpret_cast<const BYTE*>(colours.data()));
}

}  // namespace

Win32NotifyIcon::Win32NotifyIcon(HINSTANCE instance) {
  window_ = CreateMessageWindow(instance, kWindowClass, WindowProc, this, Hearing::Broadcasts);
  // The notification area shows small icons at the density of the screen it sits on.
  const int size = GetSystemMetricsForDpi(SM_CXSMICON, GetDpiForSystem());
  for (const auto picture : {TrayPicture::Armed, TrayPicture::Off, TrayPicture::Ringing}) {
    icons_.emplace(picture, MakeTrayIcon(picture, size));
  }
}

Win32NotifyIcon::~Win32NotifyIcon() {
  DestroyWindow(window_);
  for (const auto& [picture, icon] : icons_) DestroyIcon(icon);
}

NOTIFYICONDATAW Win32NotifyIcon::Record(TrayPicture picture, std::string_view tip) const {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V2_SIZE;
  data.hWnd = window_;
  data.uID = kId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = Icon(picture);
  std::wstring text = Wide(tip).substr(0, std::size(data.szTip) - 1);
  // A character cut in half would show as a box.
  if (!text.empty() && IS_HIGH_SURROGATE(text.back())) text.pop_back();
  std::fill(std::begin(data.szTip), std::end(data.szTip), L' ');
  std::copy(text.begin(), text.end(), data.szTip);
  data.szTip[text.size()] = L'\0';
  return data;
}

// Without a notification area to take the icon, every hide must leave the window reachable.
void Win32NotifyIcon::Add(TrayPicture picture, std::string_view tip) {
  shown_ = Record(picture, tip);
  added_ = true;
  hasArea_ = Shell_NotifyIconW(NIM_ADD, &shown_) != FALSE;
}

void Win32NotifyIcon::Modify(TrayPicture picture, std::string_view tip) {
  shown_ = Record(picture, tip);
  Shell_NotifyIconW(NIM_MODIFY, &shown_);
}

void Win32NotifyIcon::Delete() {
  added_ = false;
  NOTIFYICONDATAW data = Record(TrayPicture::Off, "");
  Shell_NotifyIconW(NIM_DELETE, &data);
}

// Early in a sign-in the shell may not take the icon yet; it says "TaskbarCreated" when it does.
void Win32NotifyIcon::AwaitNotificationArea(std::chrono::seconds limit,
                                            std::function<void(bool came)> done) {
  if (hasArea_) return done(true);
  waiting_.push_back(std::move(done));
  SetTimer(window_, kAreaWaitTimer, static_cast<UINT>(limit.count() * 1000), nullptr);
}

void Win32NotifyIcon::EndWait(bool came) {
  KillTimer(window_, kAreaWaitTimer);
  for (auto& done : std::exchange(waiting_, {})) done(came);
}

LRESULT CALLBACK Win32NotifyIcon::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* self = reinterpret_cast<Win32NotifyIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Explorer started again with an empty notification area: the icon goes back as it was.
  static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  if (message == taskbarCreated && self != nullptr && self->added_) {
    self->hasArea_ = Shell_NotifyIconW(NIM_ADD, &self->shown_) != FALSE;
    if (self->hasArea_) self->EndWait(true);
    return 0;
  }
  if (message == WM_TIMER && wParam == kAreaWaitTimer && self != nullptr) {
    self->EndWait(false);
    return 0;
  }
  if (message == kCallbackMessage && self != nullptr && self->events_ != nullptr && wParam == kId) {
    if (lParam == WM_LBUTTONDBLCLK) self->events_->Activated();
    if (lParam == WM_RBUTTONUP) self->events_->MenuRequested();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace dawnquill
