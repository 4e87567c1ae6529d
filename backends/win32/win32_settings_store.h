#pragma once

#include "interfaces/settings_store.h"

namespace dawnquill {

// Settings as strings in the user's registry hive, where per-user program settings of this kind
// live: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
class Win32SettingsStore final : public SettingsStore {
 public:
  explicit Win32SettingsStore(std::string_view appName);

  Settings Read() override;
  Result<> Write(const Settings& settings) override;
  StoredOptions ReadOptions() override;
  Result<> WriteOptions(const StoredOptions& options) override;
  std::string KeptAlarm() override;
  Result<> KeepAlarm(std::string_view line) override;
  Result<> ClearKeptAlarm() override;

 private:
  std::string Value(std::string_view name, const std::string& fallback) const;
  Result<> SetValue(std::string_view name, std::string_view value) const;

  std::wstring path_;
};

// The executable's file name without its extension.
std::string ExecutableName();

}  // namespace dawnquill
