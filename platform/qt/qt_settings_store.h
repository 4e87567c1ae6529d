#pragma once

#include "platform/settings_store.h"

namespace dawnquill {

// Settings in an INI file, $XDG_CONFIG_HOME/<application>.conf, one group per section.
class QtSettingsStore final : public SettingsStore {
 public:
  std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view fallback) override;
  void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

class QtExecutable final : public Executable {
 public:
  std::string Name() const override;
};

}  // namespace dawnquill
