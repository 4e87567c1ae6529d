#pragma once

#include "interfaces/sign_in_start.h"

namespace dawnquill {

// The start at sign-in on Windows: a value of its own under the user's Run key that starts the
// program in the tray, beside the installer's "DawnQuill", which stays the user's choice. While it
// is on, Windows' own restart after an update also brings the program back, where the user
// allows it.
class Win32SignInStart final : public SignInStart {
 public:
  static constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  static constexpr const wchar_t* kValueName = L"DawnQuill alarm";

  Result<> Enable() override;
  Result<> Disable() override;
};

}  // namespace dawnquill
