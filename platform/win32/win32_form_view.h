#pragma once

#include <functional>
#include <map>
#include <string>

#include <windows.h>

#include "platform/form_view.h"
#include "ui/control_table.h"

namespace dawnquill {

// Draws a control table as native windows, one pixel to 15 twips at 96 dots per inch, and
// forwards what the user does to the window's FormEvents. It decides nothing.
class Win32FormView final : public FormView {
 public:
  Win32FormView(const FormLayout& layout, HINSTANCE instance, HICON icon);
  ~Win32FormView() override;
  Win32FormView(const Win32FormView&) = delete;
  Win32FormView& operator=(const Win32FormView&) = delete;

  void SetEvents(FormEvents* events) { events_ = events; }
  // Runs after every Close(); the main window ends the program here.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

  void Load() override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  void Minimise() override;
  void Close() override;
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetEnabled(std::string_view control, bool enabled) override;
  void AddItem(std::string_view comboBox, std::string_view item) override;
  void SetTimerEnabled(std::string_view timer, bool enabled) override;
  void PopupMenu(std::string_view menu) override;

  HWND Window() const { return window_; }
  HWND Control(std::string_view control) const;

  // Tab, Enter and the default button for whichever of the program's windows the message is
  // for; every message loop of the program asks this first.
  static bool DialogKeys(MSG& message);

 private:
  struct Item {
    std::string name;
    const ::dawnquill::Control* control;
    HWND window = nullptr;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  HFONT FitFont();
  void Destroy();
  void Centre();
  void SetTabOrder();
  const Item* ItemById(int id) const;
  const Item* ItemByName(std::string_view name) const;
  bool Live() const { return events_ != nullptr && !closed_; }

  const FormLayout& layout_;
  HINSTANCE instance_;
  HICON icon_;
  FormEvents* events_ = nullptr;
  std::function<void()> onClosed_;
  HWND window_ = nullptr;
  HWND lastFocus_ = nullptr;   // the control that had the focus when the window last lost it
  std::map<int, Item> items_;  // by control id
  std::map<std::string, HMENU, std::less<>> menus_;
  std::map<std::string, HFONT, std::less<>> fonts_;  // by control, "" the window's own
  bool closed_ = true;
  bool shown_ = false;  // since the last load: the first showing centres the window
};

}  // namespace dawnquill
