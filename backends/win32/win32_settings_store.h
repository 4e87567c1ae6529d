#pragma once

#include "interfaces/settings_store.h"

namespace dawnquill {

// Settings as strings in the user's registry hive, where per-user program settings of this kind
// live: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
class Win32SettingsStore final : public SettingsStore {
 public:
  explicit Win32SettingsStore(std::string_view appName);

  std::string Get(std::string_view key, std::string_view fallback) override;
  void Save(std::string_view key, std::string_view value) override;
  void Remove(std::string_view key) override;

 private:
  std::string path_;
};

// The executable's file name without its extension.
std::string ExecutableName();

}  // namespace dawnquill
