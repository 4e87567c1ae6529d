#pragma once

#include <deque>
#include <optional>
#include <string>

#include <windows.h>

#include "interfaces/message_box.h"

namespace dawnquill {

class Win32FormView;

// Modal message boxes with the system's flags: OK or Retry and Cancel, the warning or the
// information icon. A system box runs a loop of its own until it is answered, so none is shown by
// the call that asks for it: each is shown from a message posted to a hidden window of the
// program's, one at a time, and its answer is handed on from there, once that loop has ended.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  // The window a box stays in front of: the ringing window while it is shown, so that a box
  // during a ring is above other programs' windows too; else the program's active window.
  Win32MessageBoxes(HINSTANCE instance, const Win32FormView& ringWindow);
  ~Win32MessageBoxes() override;
  Win32MessageBoxes(const Win32MessageBoxes&) = delete;
  Win32MessageBoxes& operator=(const Win32MessageBoxes&) = delete;

  BoxId Show(std::string_view prompt, std::string_view title, BoxKind kind, BoxButtons buttons,
             Answered answered) override;
  void Close(BoxId box) override;

 private:
  struct Box {
    BoxId id = 0;
    std::wstring prompt;
    std::wstring title;
    UINT flags = 0;
    Answered answered;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ShowNext();

  const Win32FormView& ringWindow_;
  HWND window_ = nullptr;
  std::deque<Box> waiting_;
  std::optional<Box> up_;  // on the screen, its loop running
  bool taken_ = false;     // the one up was taken away: its answer is nobody's
  BoxId last_ = 0;
};

}  // namespace dawnquill
