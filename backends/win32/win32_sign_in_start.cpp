#include "backends/win32/win32_sign_in_start.h"

#include <string>

#include <windows.h>

#include "core/start_options.h"

namespace dawnquill {
namespace {

std::wstring InTrayOption() { return std::wstring(kInTrayOption.begin(), kInTrayOption.end()); }

}  // namespace

void Win32SignInStart::Enable() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return;
  const std::wstring command = L"\"" + std::wstring(path, length) + L"\" " + InTrayOption();
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName, REG_SZ, command.c_str(),
                  static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  RegisterApplicationRestart(InTrayOption().c_str(), 0);
}

void Win32SignInStart::Disable() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
  UnregisterApplicationRestart();
}

}  // namespace dawnquill
