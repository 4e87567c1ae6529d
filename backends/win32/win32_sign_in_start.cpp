#include "backends/win32/win32_sign_in_start.h"

#include <string>

#include <windows.h>

#include "backends/win32/win32_reason.h"
#include "backends/win32/win32_text.h"
#include "core/start_options.h"

namespace dawnquill {

// Windows' own restart after an update is a help beside the Run value, not what the start rests
// on: its failure is not one.
Result<> Win32SignInStart::Enable() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0) return LastFailure();
  if (length == MAX_PATH) return Failure{SystemReason(ERROR_INSUFFICIENT_BUFFER)};
  const std::wstring command = L"\"" + std::wstring(path, length) + L"\" " + Wide(kInTrayOption);
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName, REG_SZ, command.c_str(),
                      static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) return Failure{SystemReason(static_cast<DWORD>(status))};
  RegisterApplicationRestart(Wide(kInTrayOption).c_str(), 0);
  return {};
}

Result<> Win32SignInStart::Disable() {
  UnregisterApplicationRestart();
  const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    return Failure{SystemReason(static_cast<DWORD>(status))};
  }
  return {};
}

}  // namespace dawnquill
