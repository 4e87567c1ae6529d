#include "backends/win32/win32_settings_store.h"

#include <vector>

#include <windows.h>

#include "backends/win32/win32_reason.h"
#include "backends/win32/win32_text.h"

namespace dawnquill {
namespace {

namespace keys = settings_keys;

}  // namespace

Win32SettingsStore::Win32SettingsStore(std::string_view appName)
    : path_(L"Software\\VB and VBA Program Settings\\" + Wide(appName) + L"\\" +
            Wide(keys::kSection)) {}

std::string Win32SettingsStore::Value(std::string_view name, const std::string& fallback) const {
  const std::wstring key = Wide(name);
  DWORD size = 0;  // in bytes, the end's included
  if (RegGetValueW(HKEY_CURRENT_USER, path_.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                   &size) != ERROR_SUCCESS) {
    return fallback;
  }
  std::vector<wchar_t> value(size / sizeof(wchar_t) + 1);
  if (RegGetValueW(HKEY_CURRENT_USER, path_.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr,
                   value.data(), &size) != ERROR_SUCCESS) {
    return fallback;
  }
  return Utf8(value.data());
}

Result<> Win32SettingsStore::SetValue(std::string_view name, std::string_view value) const {
  const std::wstring text = Wide(value);
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), Wide(name).c_str(), REG_SZ, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) return Failure{SystemReason(static_cast<DWORD>(status))};
  return {};
}

Settings Win32SettingsStore::Read() {
  const Settings defaults;
  return {Value(keys::kHour, defaults.hour), Value(keys::kMinute, defaults.minute),
          Value(keys::kSnoozeDelay, defaults.snoozeDelay)};
}

Result<> Win32SettingsStore::Write(const Settings& settings) {
  for (const auto& [name, value] : {std::pair{keys::kHour, &settings.hour},
                                    {keys::kMinute, &settings.minute},
                                    {keys::kSnoozeDelay, &settings.snoozeDelay}}) {
    if (Result<> set = SetValue(name, *value); !set) return set;
  }
  return {};
}

StoredOptions Win32SettingsStore::ReadOptions() {
  return {Value(keys::kRepeat, {}), Value(keys::kGentleStartSeconds, {}),
          Value(keys::kWakeWith, {})};
}

Result<> Win32SettingsStore::WriteOptions(const StoredOptions& options) {
  for (const auto& [name, value] : {std::pair{keys::kRepeat, &options.repeat},
                                    {keys::kGentleStartSeconds, &options.gentleStartSeconds},
                                    {keys::kWakeWith, &options.wakeWith}}) {
    if (Result<> set = SetValue(name, *value); !set) return set;
  }
  return {};
}

std::string Win32SettingsStore::KeptAlarm() { return Value(keys::kKeptAlarm, {}); }

Result<> Win32SettingsStore::KeepAlarm(std::string_view line) {
  return SetValue(keys::kKeptAlarm, line);
}

Result<> Win32SettingsStore::ClearKeptAlarm() {
  const LSTATUS status =
      RegDeleteKeyValueW(HKEY_CURRENT_USER, path_.c_str(), Wide(keys::kKeptAlarm).c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    return Failure{SystemReason(static_cast<DWORD>(status))};
  }
  return {};
}

std::string ExecutableName() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::string name = Utf8({path, length});
  name = name.substr(name.find_last_of("\\/") + 1);
  return name.substr(0, name.find_last_of('.'));
}

}  // namespace dawnquill
