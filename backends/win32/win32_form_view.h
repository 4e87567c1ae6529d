#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include <windows.h>

#include "backends/win32/win32_modality.h"
#include "interfaces/form_view.h"
#include "ui/control_table.h"
#include "ui/first_show.h"
#include "ui/form_growth.h"

namespace dawnquill {

// Draws a control table as native windows at the window's own DPI (15 twips to the pixel at 96),
// and forwards what the user does to the window's FormEvents. It decides nothing.
class Win32FormView final : public FormView {
 public:
  static constexpr const wchar_t* kWindowClass = L"DawnQuillForm";

  // The icon is a resource of the instance's, holding the bell at each size it is shown at.
  Win32FormView(const FormLayout& layout, HINSTANCE instance, LPCWSTR icon);
  ~Win32FormView() override;
  Win32FormView(const Win32FormView&) = delete;
  Win32FormView& operator=(const Win32FormView&) = delete;

  void SetEvents(FormEvents* events) override { events_ = events; }
  // The window a window without a task bar button of its own belongs to.
  void SetOwner(const Win32FormView* owner) { owner_ = owner; }
  // Runs after every Close(); the main window ends the program here.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }
  // What a message of the program's own, sent from outside, does; it gets the wParam.
  void SetOnMessage(UINT message, std::function<void(WPARAM)> handler) {
    handlers_[message] = std::move(handler);
  }
  // A menu item of the table also in the window's system menu, where Windows users look for a
  // program's settings; from the next Open().
  void AddToSystemMenu(ControlId item) { systemItem_ = item; }

  void Open() override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  void Minimise() override;
  void Close() override;
  std::string Text(ControlId control) const override;
  void SetText(ControlId control, std::string_view text) override;
  void SetEnabled(ControlId control, bool enabled) override;
  bool Checked(ControlId checkBox) const override;
  void SetChecked(ControlId checkBox, bool checked) override;
  void AddListItem(ControlId comboBox, std::string_view item) override;
  void SetTimerEnabled(ControlId timer, bool enabled) override;
  void OpenMenu(ControlId menu) override;

  HWND Window() const { return window_; }
  // A menu item's shortcut for this key, with Ctrl held: chosen, and true.
  bool Shortcut(WPARAM key);
  HWND Child(ControlId control) const;
  int ChildId(ControlId control) const;

  // Tab, Enter and the default button for whichever of the program's windows the message is
  // for; the program's message loop asks this first.
  static bool DialogKeys(MSG& message);

 private:
  struct Item {
    const Control* control;
    HWND window = nullptr;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  DWORD Style() const;
  void LayOut();
  void MakeTimer(int id, const Control& control);
  void MakeMenuItem(int id, const Control& control);
  HWND MakeChild(int id, const Control& control);
  HFONT FontFor(const Control& control, HFONT windowFont);
  HFONT FitFont();
  void SetIcons();
  void Destroy();
  void Centre();
  void Present(bool modal);
  void SetTabOrder();
  const Item* ItemById(int id) const;
  bool Live() const { return events_ != nullptr && !closed_; }

  const FormLayout& layout_;
  std::optional<GrownForm> grown_;  // the places the controls are drawn at, for the DPI
  HINSTANCE instance_;
  LPCWSTR icon_;
  std::array<HICON, 2> icons_{};  // big, small; made for the window's density
  FormEvents* events_ = nullptr;
  const Win32FormView* owner_ = nullptr;
  std::function<void()> onClosed_;
  std::map<UINT, std::function<void(WPARAM)>> handlers_;
  HWND window_ = nullptr;
  std::optional<ControlId> systemItem_;
  int dpi_ = 96;
  HWND lastFocus_ = nullptr;   // the control that had the focus when the window last lost it
  std::map<int, Item> items_;  // by the child window's id
  std::map<ControlId, int> childIds_;
  std::map<ControlId, HMENU> menus_;
  std::vector<HFONT> fonts_;
  bool closed_ = true;
  std::optional<OtherWindowsDisabled> modal_;  // while it shows modal
  FirstShow firstShow_;
};

}  // namespace dawnquill
