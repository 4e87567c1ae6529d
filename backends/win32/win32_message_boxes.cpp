#include "backends/win32/win32_message_boxes.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_modality.h"
#include "backends/win32/win32_text.h"
#include "backends/win32/win32_window_class.h"

namespace dawnquill {
namespace {

constexpr const wchar_t* kWindowClass = L"DawnQuillBoxes";
constexpr UINT kShowNext = WM_APP;

// The dialog of the box up: the system's dialog class, of this thread, with the box's title. One
// box is up at a time, so the title tells it.
HWND BoxWindow(const std::wstring& title) {
  struct Search {
    const std::wstring& title;
    HWND found = nullptr;
  } search{title};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) {
        auto& s = *reinterpret_cast<Search*>(lParam);
        wchar_t windowClass[16] = L"";
        wchar_t caption[256] = L"";
        GetClassNameW(window, windowClass, std::size(windowClass));
        GetWindowTextW(window, caption, std::size(caption));
        if (std::wcscmp(windowClass, L"#32770") != 0 || s.title != caption) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

Win32MessageBoxes::Win32MessageBoxes(HINSTANCE instance, const Win32FormView& ringWindow)
    : ringWindow_(ringWindow),
      window_(CreateMessageWindow(instance, kWindowClass, WindowProc, this,
                                  Hearing::OwnMessagesOnly)) {}

Win32MessageBoxes::~Win32MessageBoxes() { DestroyWindow(window_); }

MessageBoxes::BoxId Win32MessageBoxes::Show(std::string_view prompt, std::string_view title,
                                            BoxKind kind, BoxButtons buttons, Answered answered) {
  const UINT flags = (buttons == BoxButtons::RetryCancel ? MB_RETRYCANCEL : MB_OK) |
                     (kind == BoxKind::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
  waiting_.push_back({++last_, Wide(prompt), Wide(title), flags, std::move(answered)});
  PostMessageW(window_, kShowNext, 0, 0);
  return last_;
}

// A box not shown yet is never shown; one that is up ends, and the loop that shows it returns
// with nothing to answer.
void Win32MessageBoxes::Close(BoxId box) {
  std::erase_if(waiting_, [box](const Box& b) { return b.id == box; });
  if (!up_ || up_->id != box || taken_) return;
  taken_ = true;
  if (HWND dialog = BoxWindow(up_->title)) EndDialog(dialog, IDCANCEL);
}

// The box's loop runs the program's timers, and the alarm with them: it may ask for other boxes,
// which wait for this one, or take this one away.
void Win32MessageBoxes::ShowNext() {
  if (up_ || waiting_.empty()) return;
  up_ = std::move(waiting_.front());
  waiting_.pop_front();
  taken_ = false;
  // Owned, so that it stays in front of its owner; modal to all of the program's windows.
  HWND ring = ringWindow_.Window();
  HWND owner = ring != nullptr && IsWindowVisible(ring) ? ring : GetActiveWindow();
  int button = 0;
  {
    const OtherWindowsDisabled modal;
    button = MessageBoxW(owner, up_->prompt.c_str(), up_->title.c_str(), up_->flags);
  }
  const Answered answered = std::move(up_->answered);
  up_.reset();
  if (!waiting_.empty()) PostMessageW(window_, kShowNext, 0, 0);
  if (taken_ || !answered) return;
  switch (button) {
    case IDOK:
      return answered(BoxAnswer::Ok);
    case IDRETRY:
      return answered(BoxAnswer::Retry);
    default:
      return answered(BoxAnswer::Cancel);
  }
}

LRESULT CALLBACK Win32MessageBoxes::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = reinterpret_cast<Win32MessageBoxes*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kShowNext && self != nullptr) {
    self->ShowNext();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace dawnquill
