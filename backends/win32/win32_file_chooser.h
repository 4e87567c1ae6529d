#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "interfaces/file_chooser.h"

namespace dawnquill {

// The system's Open dialog. Like a message box it runs a loop of its own until it is answered,
// so it is shown from a message posted to a hidden window of the program's, not from the click
// that asks for it; one at a time.
class Win32FileChooser final : public FileChooser {
 public:
  explicit Win32FileChooser(HINSTANCE instance);
  ~Win32FileChooser() override;
  Win32FileChooser(const Win32FileChooser&) = delete;
  Win32FileChooser& operator=(const Win32FileChooser&) = delete;

  void Choose(const std::string& startPath, Chosen chosen) override;
  bool IsThere(const std::string& path) const override;

 private:
  struct Request {
    std::string startPath;
    Chosen chosen;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Show();

  HWND window_ = nullptr;
  std::optional<Request> asked_;  // waiting for its message
  bool up_ = false;
};

}  // namespace dawnquill
