#include "backends/win32/win32_form_view.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <commctrl.h>

#include "backends/win32/win32_text.h"
#include "backends/win32/win32_window_class.h"
#include "ui/form_geometry.h"

namespace dawnquill {
namespace {

// Child window ids are numbered from here on, in the table's order, clear of the ids a dialog
// gives its own meaning (IDOK, IDCANCEL and the rest).
constexpr int kFirstChildId = 100;
// Below the system's own commands, from 0xF000, and with the four low bits that Windows uses
// for itself clear.
constexpr WPARAM kSystemMenuItem = 0x0010;
constexpr int kPointsPerInch = 72;

// The tables hold English: a control's text is translated here, as it is shown.
std::wstring Caption(const Control& control) { return Wide(Tr(control.caption)); }
constexpr int kLayoutPoints = 8;
constexpr int kSmallestPoints = 6;
constexpr int kDroppedList = 3000;  // twips below a combo box for its list

int TextWidth(HDC device, const std::string& text) {
  SIZE size{};
  const std::wstring wide = Wide(text);
  GetTextExtentPoint32W(device, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

}  // namespace

Win32FormView::Win32FormView(const FormLayout& layout, HINSTANCE instance, LPCWSTR icon)
    : layout_(layout), instance_(instance), icon_(icon) {
  RegisterWindowClass(instance_, kWindowClass, WindowProc, WindowFace::Dialog);
}

Win32FormView::~Win32FormView() { Destroy(); }

void Win32FormView::Open() {
  Destroy();
  Build();
  closed_ = false;
  firstShow_.Opened();
}

void Win32FormView::Build() {
  // A window owned by another has no task bar button of its own, yet keeps its caption, its icon
  // and its place in Alt+Tab.
  HWND owner = layout_.taskbarButton || owner_ == nullptr ? nullptr : owner_->Window();
  window_ = CreateWindowExW(layout_.aboveOthers ? WS_EX_TOPMOST : 0, kWindowClass,
                            Wide(Tr(layout_.caption)).c_str(), Style(), CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, owner, nullptr, instance_, this);
  dpi_ = static_cast<int>(GetDpiForWindow(window_));
  SetIcons();
  if (systemItem_) {
    for (const Control& control : layout_.controls) {
      if (control.id != *systemItem_) continue;
      HMENU menu = GetSystemMenu(window_, FALSE);
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      AppendMenuW(menu, MF_STRING, kSystemMenuItem, Caption(control).c_str());
    }
  }
  for (const Control& control : layout_.controls) {
    const int id = kFirstChildId + static_cast<int>(childIds_.size());
    childIds_.emplace(control.id, id);
    Item& item = items_[id] = Item{&control};
    switch (control.kind) {
      case ControlKind::Timer:
        MakeTimer(id, control);
        break;
      case ControlKind::Menu:
        menus_.emplace(control.id, CreatePopupMenu());
        break;
      case ControlKind::MenuItem:
      case ControlKind::MenuSeparator:
        MakeMenuItem(id, control);
        break;
      default:
        item.window = MakeChild(id, control);
        break;
    }
  }
  LayOut();
  SetTabOrder();
}

DWORD Win32FormView::Style() const {
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (layout_.minimiseButton ? WS_MINIMIZEBOX : 0);
}

// Sizes, places and fonts at the window's DPI: 15 twips to the pixel at 96 dots per inch, more
// pixels on a denser screen, so that the window is as large there and as sharp.
void Win32FormView::LayOut() {
  std::vector<HFONT> before;
  before.swap(fonts_);
  HFONT windowFont = FitFont();
  HDC screen = GetDC(window_);
  HGDIOBJ chosen = SelectObject(screen, windowFont);
  grown_.emplace(layout_, dpi_, [&](const std::string& text) { return TextWidth(screen, text); });
  SelectObject(screen, chosen);
  ReleaseDC(window_, screen);
  const FormLayout& grown = grown_->Layout();
  RECT frame{0, 0, Pixels(grown.clientWidth, dpi_), Pixels(grown.clientHeight, dpi_)};
  AdjustWindowRectExForDpi(&frame, Style(), FALSE, 0, static_cast<UINT>(dpi_));
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& [id, item] : items_) {
    if (item.window == nullptr) continue;
    PixelRect place = PlaceInWindow(grown, grown_->Of(item.control->id), dpi_);
    if (item.control->kind == ControlKind::ComboBox) place.height += Pixels(kDroppedList, dpi_);
    SetWindowPos(item.window, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(item.window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(FontFor(*item.control, windowFont)), TRUE);
  }
  for (HFONT font : before) DeleteObject(font);
}

void Win32FormView::MakeTimer(int id, const Control& control) {
  SetTimer(window_, id, control.interval, nullptr);
}

void Win32FormView::MakeMenuItem(int id, const Control& control) {
  const auto menu = menus_.find(control.container);
  if (menu == menus_.end()) return;
  if (control.kind == ControlKind::MenuSeparator) {
    AppendMenuW(menu->second, MF_SEPARATOR, 0, nullptr);
  } else {
    AppendMenuW(menu->second, MF_STRING, id, Caption(control).c_str());
  }
}

// A frame does not hold its controls here: they stand beside it, placed by its corner (LayOut).
HWND Win32FormView::MakeChild(int id, const Control& control) {
  const wchar_t* windowClass = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  switch (control.kind) {
    case ControlKind::PushButton:
      windowClass = L"BUTTON";
      style |=
          WS_TABSTOP | (control.id == layout_.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case ControlKind::Frame:
      windowClass = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case ControlKind::CheckBox:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case ControlKind::TextBox:
      windowClass = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::ComboBox:
      windowClass = L"COMBOBOX";
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
      break;
    default:
      style |= control.centred ? SS_CENTER : SS_LEFT;
      break;
  }
  const std::wstring caption = Caption(control);
  HWND child =
      CreateWindowExW(exStyle, windowClass, caption.c_str(), style, 0, 0, 0, 0, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (control.kind == ControlKind::ComboBox) SetWindowTextW(child, caption.c_str());
  if (control.kind == ControlKind::TextBox && control.maxLength > 0) {
    // The limit binds the user only: a longer text the program writes stays whole.
    SendMessageW(child, EM_LIMITTEXT, control.maxLength, 0);
  }
  if (control.kind == ControlKind::PushButton) {
    SetWindowSubclass(child, ButtonProc, id, reinterpret_cast<DWORD_PTR>(this));
  }
  return child;
}

HFONT Win32FormView::FontFor(const Control& control, HFONT windowFont) {
  if (control.font.face.empty()) return windowFont;
  HFONT font =
      CreateFontW(-MulDiv(control.font.points, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_SWISS, Wide(control.font.face).c_str());
  fonts_.push_back(font);
  return font;
}

// The focus follows the order of the windows, which is made the tab order; frames go to the
// back, where they do not cover their controls.
void Win32FormView::SetTabOrder() {
  HWND after = HWND_TOP;
  const auto place = [&](HWND child) {
    SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = child;
  };
  for (const Control* control : TabOrder(layout_)) {
    // A screen reader names a box after the static text right before it.
    for (const Control& label : layout_.controls) {
      if (label.names == control->id) place(Child(label.id));
    }
    place(Child(control->id));
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
  LOGFONTW face{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  const std::vector<TextRoom> texts = TextsToFit(layout_, dpi_);
  HDC screen = GetDC(window_);
  const auto fits = [&](double pixels) {
    LOGFONTW candidate = face;
    candidate.lfHeight = -static_cast<LONG>(pixels);
    HFONT font = CreateFontIndirectW(&candidate);
    HGDIOBJ before = SelectObject(screen, font);
    const bool all = std::all_of(texts.begin(), texts.end(), [&](const TextRoom& text) {
      return TextWidth(screen, text.text) <= text.pixels;
    });
    SelectObject(screen, before);
    DeleteObject(font);
    return all;
  };
  // The layout's own face is 8 points; no smaller than 6.
  const double start = MulDiv(kLayoutPoints, dpi_, kPointsPerInch);
  const double smallest = MulDiv(kSmallestPoints, dpi_, kPointsPerInch);
  face.lfHeight = -static_cast<LONG>(FittingSize(start, smallest, 1, fits));
  ReleaseDC(window_, screen);
  HFONT font = CreateFontIndirectW(&face);
  fonts_.push_back(font);
  return font;
}

// The caption's and Alt+Tab's icons each at their own size, as one scaled to the other blurs.
void Win32FormView::SetIcons() {
  constexpr std::pair<WPARAM, int> kKinds[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    const auto [kind, metric] = kKinds[i];
    const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi_));
    auto* icon = static_cast<HICON>(LoadImageW(instance_, icon_, IMAGE_ICON, size, size, 0));
    SendMessageW(window_, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    if (icons_[i] != nullptr) DestroyIcon(icons_[i]);
    icons_[i] = icon;
  }
}

void Win32FormView::Destroy() {
  modal_.reset();
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  for (HICON& icon : icons_) {
    if (icon != nullptr) DestroyIcon(icon);
    icon = nullptr;
  }
  lastFocus_ = nullptr;
  for (const auto& [id, menu] : menus_) DestroyMenu(menu);
  for (HFONT font : fonts_) DeleteObject(font);
  items_.clear();
  childIds_.clear();
  menus_.clear();
  fonts_.clear();
}

void Win32FormView::Centre() {
  RECT area;
  RECT frame;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormView::Show() {
  if (window_ == nullptr) return;
  Present(false);
}

void Win32FormView::Present(bool modal) {
  const bool place = firstShow_.CentresAndFocuses(modal);
  if (place) Centre();
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
  if (place) SetFocus(Child(layout_.firstFocus));
}

// Modal without a loop of its own: the program's other windows take no input until it closes.
void Win32FormView::ShowModal() {
  if (window_ == nullptr || closed_) return;
  modal_.emplace(window_);
  Present(true);
}

void Win32FormView::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

void Win32FormView::Minimise() {
  if (window_ != nullptr) ShowWindow(window_, SW_MINIMIZE);
}

// The window is hidden now and destroyed at the next opening: a handler of its own may still be
// running. The other windows take input again before it hides, so that Windows hands the
// activation to one of the program's, not to another program's window.
void Win32FormView::Close() {
  closed_ = true;
  for (const auto& [id, item] : items_) {
    if (item.control->kind == ControlKind::Timer) KillTimer(window_, id);
  }
  modal_.reset();
  Hide();
  if (onClosed_) onClosed_();
}

int Win32FormView::ChildId(ControlId control) const {
  const auto found = childIds_.find(control);
  return found == childIds_.end() ? 0 : found->second;
}

HWND Win32FormView::Child(ControlId control) const {
  const Item* item = ItemById(ChildId(control));
  return item == nullptr ? nullptr : item->window;
}

std::string Win32FormView::Text(ControlId control) const {
  HWND window = Child(control);
  if (window == nullptr) return {};
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return Utf8(text);
}

void Win32FormView::SetText(ControlId control, std::string_view text) {
  if (HWND window = Child(control)) SetWindowTextW(window, Wide(text).c_str());
}

void Win32FormView::SetEnabled(ControlId control, bool enabled) {
  if (HWND window = Child(control)) EnableWindow(window, enabled);
}

bool Win32FormView::Checked(ControlId checkBox) const {
  HWND window = Child(checkBox);
  return window != nullptr && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32FormView::SetChecked(ControlId checkBox, bool checked) {
  if (HWND window = Child(checkBox)) {
    SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void Win32FormView::AddListItem(ControlId comboBox, std::string_view item) {
  if (HWND window = Child(comboBox)) {
    SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  }
}

void Win32FormView::SetTimerEnabled(ControlId timer, bool enabled) {
  const Item* item = ItemById(ChildId(timer));
  if (item == nullptr || item->control->kind != ControlKind::Timer) return;
  if (enabled) {
    SetTimer(window_, ChildId(timer), item->control->interval, nullptr);
  } else {
    KillTimer(window_, ChildId(timer));
  }
}

void Win32FormView::OpenMenu(ControlId menu) {
  const auto found = menus_.find(menu);
  if (found == menus_.end()) return;
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(window_);  // or the menu would not close when the user clicks elsewhere
  const int id = TrackPopupMenu(found->second, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x,
                                at.y, 0, window_, nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
  const Item* item = ItemById(id);
  if (item != nullptr && Live()) events_->Click(item->control->id);
}

bool Win32FormView::DialogKeys(MSG& message) {
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  wchar_t windowClass[32] = L"";
  if (root == nullptr || GetClassNameW(root, windowClass, std::size(windowClass)) == 0 ||
      std::wcscmp(windowClass, kWindowClass) != 0) {
    return false;
  }
  if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0) {
    auto* view = reinterpret_cast<Win32FormView*>(GetWindowLongPtrW(root, GWLP_USERDATA));
    if (view != nullptr && view->Shortcut(message.wParam)) return true;
  }
  return IsDialogMessageW(root, &message) != FALSE;
}

// A menu item's "Ctrl+<character>", pressed anywhere in its window.
bool Win32FormView::Shortcut(WPARAM key) {
  constexpr std::string_view kCtrl = "Ctrl+";
  for (const Control& control : layout_.controls) {
    const std::string_view shortcut = control.shortcut;
    if (shortcut.size() != kCtrl.size() + 1 || !shortcut.starts_with(kCtrl)) continue;
    if ((VkKeyScanW(static_cast<wchar_t>(shortcut.back())) & 0xFF) != static_cast<SHORT>(key)) {
      continue;
    }
    if (Live()) events_->Click(control.id);
    return true;
  }
  return false;
}

const Win32FormView::Item* Win32FormView::ItemById(int id) const {
  const auto found = items_.find(id);
  return found == items_.end() ? nullptr : &found->second;
}

LRESULT CALLBACK Win32FormView::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FormView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && window == self->window_) return self->Handle(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32FormView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == kSystemMenuItem && systemItem_ && Live()) {
        events_->Click(*systemItem_);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_COMMAND:
      // Escape, as the dialog manager reports it for a window without an IDCANCEL control.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0 && layout_.cancelButton != ControlId{} &&
          Live()) {
        events_->Click(layout_.cancelButton);
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        const Item* item = ItemById(LOWORD(wParam));
        if (item != nullptr && item->control->kind == ControlKind::PushButton && Live()) {
          events_->Click(item->control->id);
        }
      }
      return 0;
    case WM_TIMER:
      if (const Item* item = ItemById(static_cast<int>(wParam)); item != nullptr && Live()) {
        events_->Timer(item->control->id);
      }
      return 0;
    case WM_DPICHANGED: {  // moved to a screen of another density, or its scale changed
      dpi_ = HIWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut();
      SetIcons();
      return 0;
    }
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
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_QUERYENDSESSION:
      return !Live() || events_->SessionMayEnd() ? TRUE : FALSE;
    case WM_CTLCOLORSTATIC:  // labels on the window's own face, not the white of a box
      // Both colours the system's, so that a High Contrast theme reads right.
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNTEXT));
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ENDSESSION:
      if (wParam != 0 && Live()) events_->CloseRequested(CloseReason::SessionEnd);
      return 0;
    case DM_GETDEFID:
      if (layout_.defaultButton == ControlId{}) return 0;
      return MAKELONG(ChildId(layout_.defaultButton), DC_HASDEFID);
    default:
      if (const auto handler = handlers_.find(message); handler != handlers_.end()) {
        handler->second(wParam);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

// Buttons hand every key but Tab to the window as text, so that any key can snooze; what the
// window passes on, the button does as PressesButton says.
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
      const std::string text = Utf8(std::wstring(1, static_cast<wchar_t>(wParam)));
      if (item != nullptr && self->Live() &&
          self->events_->Key(item->control->id, text) == KeyResult::Used) {
        return 0;
      }
      const ButtonKey key = wParam == '\r' ? ButtonKey::Enter : ButtonKey::Other;
      if (PressesButton(key)) SendMessageW(button, BM_CLICK, 0, 0);
      return 0;
    }
    default:
      return DefSubclassProc(button, message, wParam, lParam);
  }
}

}  // namespace dawnquill
