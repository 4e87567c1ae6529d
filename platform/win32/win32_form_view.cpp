#include "platform/win32/win32_form_view.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <commctrl.h>

#include "ui/text_room.h"

namespace dawnquill {
namespace {

constexpr const char* kWindowClass = "DawnQuillForm";
constexpr int kFirstId = 100;
constexpr int kDroppedListHeight = 200;

int Pixels(int twips) { return twips / kTwipsPerPixel; }

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::TextBox ||
         kind == ControlKind::ComboBox;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(instance, kWindowClass, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
}

}  // namespace

Win32FormView::Win32FormView(const FormLayout& layout, HINSTANCE instance, HICON icon)
    : layout_(layout), instance_(instance), icon_(icon) {
  RegisterWindowClass(instance_, WindowProc);
}

Win32FormView::~Win32FormView() { Destroy(); }

void Win32FormView::Load() {
  Destroy();
  Build();
  closed_ = false;
  shown_ = false;
}

void Win32FormView::Build() {
  const DWORD style =
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (layout_.minimiseButton ? WS_MINIMIZEBOX : 0);
  // A tool window has no task bar button.
  const DWORD exStyle = layout_.taskbarButton ? 0 : WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
  RECT frame{0, 0, Pixels(layout_.clientWidth), Pixels(layout_.clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  window_ = CreateWindowExA(exStyle, kWindowClass, std::string(layout_.caption).c_str(), style,
                            CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, instance_, this);
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  const auto defaultFont = reinterpret_cast<WPARAM>(FitFont());
  int id = kFirstId;
  for (const ::dawnquill::Control& control : layout_.controls) {
    Item& item = items_[id] = Item{std::string(control.name), &control};
    const std::string caption(control.caption);
    int left = Pixels(control.left);
    int top = Pixels(control.top);
    // A frame does not hold its controls here: they stand beside it, placed by its corner.
    if (const Item* container = ItemByName(control.container); container != nullptr) {
      left += Pixels(container->control->left);
      top += Pixels(container->control->top);
    }
    const char* windowClass = nullptr;
    DWORD controlStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD controlExStyle = 0;
    int height = Pixels(control.height);
    switch (control.kind) {
      case ControlKind::Timer:
        SetTimer(window_, id, control.interval, nullptr);
        break;
      case ControlKind::Menu:
        menus_.emplace(item.name, CreatePopupMenu());
        break;
      case ControlKind::MenuItem:
        if (const auto menu = menus_.find(control.container); menu != menus_.end()) {
          AppendMenuA(menu->second, caption == "-" ? MF_SEPARATOR : MF_STRING, id, caption.c_str());
        }
        break;
      case ControlKind::PushButton:
        windowClass = "BUTTON";
        controlStyle |=
            WS_TABSTOP | (control.name == layout_.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
      case ControlKind::Frame:
        windowClass = "BUTTON";
        controlStyle |= BS_GROUPBOX;
        break;
      case ControlKind::TextBox:
        windowClass = "EDIT";
        controlStyle |= WS_TABSTOP | ES_AUTOHSCROLL;
        controlExStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::Label:
        windowClass = "STATIC";
        controlStyle |= control.centred ? SS_CENTER : SS_LEFT;
        break;
      case ControlKind::ComboBox:
        windowClass = "COMBOBOX";
        controlStyle |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        height += kDroppedListHeight;
        break;
    }
    if (windowClass != nullptr) {
      item.window =
          CreateWindowExA(controlExStyle, windowClass, caption.c_str(), controlStyle, left, top,
                          Pixels(control.width), height, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
      WPARAM font = defaultFont;
      if (!control.font.face.empty()) {
        HFONT& made = fonts_[item.name];
        made = CreateFontA(-MulDiv(control.font.points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                           FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                           std::string(control.font.face).c_str());
        font = reinterpret_cast<WPARAM>(made);
      }
      SendMessageA(item.window, WM_SETFONT, font, FALSE);
      if (control.kind == ControlKind::ComboBox) SetWindowTextA(item.window, caption.c_str());
      if (control.kind == ControlKind::TextBox && control.maxLength > 0) {
        // The limit binds the user only: a longer text the program writes stays whole.
        SendMessageA(item.window, EM_LIMITTEXT, control.maxLength, 0);
      }
      if (control.kind == ControlKind::PushButton) {
        SetWindowSubclass(item.window, ButtonProc, id, reinterpret_cast<DWORD_PTR>(this));
      }
    }
    ++id;
  }
  SetTabOrder();
}

// The focus follows the order of the windows, which is made the tab order; frames go to the
// back, where they do not cover their controls.
void Win32FormView::SetTabOrder() {
  std::vector<const Item*> order;
  for (const auto& [id, item] : items_) {
    if (TakesFocus(item.control->kind)) order.push_back(&item);
  }
  std::sort(order.begin(), order.end(), [](const Item* a, const Item* b) {
    return a->control->tabIndex < b->control->tabIndex;
  });
  HWND after = HWND_TOP;
  for (const Item* item : order) {
    SetWindowPos(item->window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = item->window;
  }
  for (const auto& [id, item] : items_) {
    if (item.control->kind == ControlKind::Frame) {
      SetWindowPos(item.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

// The desktop's dialog font, made smaller where it is wider than the one the layout was made for,
// until the texts fit their controls instead of being cut off.
HFONT Win32FormView::FitFont() {
  LOGFONTA face{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  const std::vector<TextRoom> texts = TextsToFit(layout_);
  HDC screen = GetDC(window_);
  constexpr LONG kSmallest = 8;  // pixels
  for (;;) {
    HFONT font = CreateFontIndirectA(&face);
    HGDIOBJ before = SelectObject(screen, font);
    const bool fits = std::all_of(texts.begin(), texts.end(), [&](const TextRoom& text) {
      SIZE size{};
      GetTextExtentPoint32A(screen, text.text.data(), static_cast<int>(text.text.size()), &size);
      return size.cx <= text.pixels;
    });
    SelectObject(screen, before);
    if (fits || std::abs(face.lfHeight) <= kSmallest) {
      ReleaseDC(window_, screen);
      return fonts_[""] = font;
    }
    DeleteObject(font);
    face.lfHeight += face.lfHeight < 0 ? 1 : -1;
  }
}

void Win32FormView::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  lastFocus_ = nullptr;
  for (const auto& [name, menu] : menus_) DestroyMenu(menu);
  for (const auto& [name, font] : fonts_) DeleteObject(font);
  items_.clear();
  menus_.clear();
  fonts_.clear();
}

void Win32FormView::Centre() {
  RECT area;
  RECT frame;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormView::Show() {
  if (window_ == nullptr) return;
  const bool first = !shown_;
  if (first) Centre();
  shown_ = true;
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
  if (first) SetFocus(Control(layout_.firstFocus));
}

// The other windows of the program take no input while this one is open; the timers of every
// window keep firing in this loop, as in any.
void Win32FormView::ShowModal() {
  if (window_ == nullptr || closed_) return;
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND other, LPARAM list) {
        auto* windows = reinterpret_cast<std::vector<HWND>*>(list);
        if (IsWindowVisible(other) && IsWindowEnabled(other)) windows->push_back(other);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  std::erase(disabled, window_);
  for (HWND other : disabled) EnableWindow(other, FALSE);
  Centre();
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(Control(layout_.firstFocus));
  MSG message;
  while (!closed_) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
      break;
    }
    if (!DialogKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  for (HWND other : disabled) {
    if (IsWindow(other)) EnableWindow(other, TRUE);
  }
}

void Win32FormView::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

void Win32FormView::Minimise() {
  if (window_ != nullptr) ShowWindow(window_, SW_MINIMIZE);
}

// The window is hidden now and destroyed at the next load: a handler of its own may still be
// running.
void Win32FormView::Close() {
  closed_ = true;
  for (const auto& [id, item] : items_) {
    if (item.control->kind == ControlKind::Timer) KillTimer(window_, id);
  }
  Hide();
  if (onClosed_) onClosed_();
}

HWND Win32FormView::Control(std::string_view control) const {
  const Item* item = ItemByName(control);
  return item == nullptr ? nullptr : item->window;
}

std::string Win32FormView::Text(std::string_view control) const {
  HWND window = Control(control);
  if (window == nullptr) return {};
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
  return text;
}

void Win32FormView::SetText(std::string_view control, std::string_view text) {
  if (HWND window = Control(control)) SetWindowTextA(window, std::string(text).c_str());
}

void Win32FormView::SetEnabled(std::string_view control, bool enabled) {
  if (HWND window = Control(control)) EnableWindow(window, enabled);
}

void Win32FormView::AddItem(std::string_view comboBox, std::string_view item) {
  if (HWND window = Control(comboBox)) {
    SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(item).c_str()));
  }
}

void Win32FormView::SetTimerEnabled(std::string_view timer, bool enabled) {
  for (const auto& [id, item] : items_) {
    if (item.name != timer || item.control->kind != ControlKind::Timer) continue;
    if (enabled) {
      SetTimer(window_, id, item.control->interval, nullptr);
    } else {
      KillTimer(window_, id);
    }
  }
}

void Win32FormView::PopupMenu(std::string_view menu) {
  const auto found = menus_.find(menu);
  if (found == menus_.end()) return;
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(window_);  // or the menu would not close when the user clicks elsewhere
  const int id = TrackPopupMenu(found->second, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x,
                                at.y, 0, window_, nullptr);
  PostMessageA(window_, WM_NULL, 0, 0);
  const Item* item = ItemById(id);
  if (item != nullptr && Live()) events_->MenuClick(item->name, item->control->index);
}

bool Win32FormView::DialogKeys(MSG& message) {
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  char windowClass[32] = "";
  if (root == nullptr || GetClassNameA(root, windowClass, sizeof windowClass) == 0 ||
      std::strcmp(windowClass, kWindowClass) != 0) {
    return false;
  }
  return IsDialogMessageA(root, &message) != FALSE;
}

const Win32FormView::Item* Win32FormView::ItemById(int id) const {
  const auto found = items_.find(id);
  return found == items_.end() ? nullptr : &found->second;
}

const Win32FormView::Item* Win32FormView::ItemByName(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& [id, item] : items_) {
    if (item.name == name && item.control->kind != ControlKind::MenuItem) return &item;
  }
  return nullptr;
}

LRESULT CALLBACK Win32FormView::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FormView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && window == self->window_) return self->Handle(message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Win32FormView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        const Item* item = ItemById(LOWORD(wParam));
        if (item != nullptr && item->control->kind == ControlKind::PushButton && Live()) {
          events_->Click(item->name);
        }
      }
      return 0;
    case WM_TIMER:
      if (const Item* item = ItemById(static_cast<int>(wParam)); item != nullptr && Live()) {
        events_->Timer(item->name);
      }
      return 0;
    case WM_CLOSE:  // the close button, the control menu, Alt+F4
      if (Live()) events_->CloseRequested(CloseReason::User);
      return 0;
    case WM_ACTIVATE:  // as a dialog does: the focus leaves with the window and comes back to it
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr && IsChild(window_, lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      return DefWindowProcA(window_, message, wParam, lParam);
    case WM_QUERYENDSESSION:
      return !Live() || events_->SessionMayEnd() ? TRUE : FALSE;
    case WM_CTLCOLORSTATIC:  // labels on the window's own face, not the white of a box
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ENDSESSION:
      if (wParam != 0 && Live()) events_->CloseRequested(CloseReason::SessionEnd);
      return 0;
    case DM_GETDEFID:
      if (const Item* item = ItemByName(layout_.defaultButton); item != nullptr) {
        for (const auto& [id, candidate] : items_) {
          if (&candidate == item) return MAKELONG(id, DC_HASDEFID);
        }
      }
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

// Buttons hand every key but Tab to the window as text, so that any key can snooze; Enter
// presses a focused button that had no use for it, and the arrows move nothing.
LRESULT CALLBACK Win32FormView::ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32FormView*>(data);
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = DefSubclassProc(button, message, wParam, lParam);
      if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_TAB) return code;
      return code | DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    }
    case WM_CHAR: {
      const Item* item = self->ItemById(static_cast<int>(id));
      const std::string text(1, static_cast<char>(wParam));
      if (item != nullptr && self->Live() && self->events_->KeyPress(item->name, text)) return 0;
      if (wParam == '\r') SendMessageA(button, BM_CLICK, 0, 0);
      return 0;
    }
    default:
      return DefSubclassProc(button, message, wParam, lParam);
  }
}

}  // namespace dawnquill
