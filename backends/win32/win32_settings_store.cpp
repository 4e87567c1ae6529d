#include "backends/win32/win32_settings_store.h"

#include <vector>

#include <windows.h>

namespace dawnquill {

Win32SettingsStore::Win32SettingsStore(std::string_view appName)
    : path_("Software\\VB and VBA Program Settings\\" + std::string(appName) + "\\" +
            std::string(kSettingsSection)) {}

std::string Win32SettingsStore::Get(std::string_view key, std::string_view fallback) {
  const std::string name(key);
  DWORD size = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                   &size) != ERROR_SUCCESS) {
    return std::string(fallback);
  }
  std::vector<char> value(size + 1);
  if (RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                   value.data(), &size) != ERROR_SUCCESS) {
    return std::string(fallback);
  }
  return std::string(value.data());
}

// A store that cannot be written is left as it is; the program ends regardless.
void Win32SettingsStore::Save(std::string_view key, std::string_view value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const std::string text(value);
  RegSetValueExA(handle, std::string(key).c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
  RegCloseKey(handle);
}

void Win32SettingsStore::Remove(std::string_view key) {
  RegDeleteKeyValueA(HKEY_CURRENT_USER, path_.c_str(), std::string(key).c_str());
}

std::string ExecutableName() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length);
  name = name.substr(name.find_last_of("\\/") + 1);
  return name.substr(0, name.find_last_of('.'));
}

}  // namespace dawnquill
