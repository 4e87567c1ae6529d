#pragma once

#include "platform/settings_store.h"

namespace dawnquill {

// Settings as strings in the user's registry hive, where per-user program settings of this kind
// live: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
class Win32SettingsStore final : public SettingsStore {
 public:
  std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view fallback) override;
  void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

class Win32Executable final : public Executable {
 public:
  std::string Name() const override;
};

}  // namespace dawnquill
