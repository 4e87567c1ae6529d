#pragma once

#include <QString>

#include "interfaces/settings_store.h"

namespace dawnquill {

// Settings in an INI file, $XDG_CONFIG_HOME/<application>.conf, in the settings section's group.
class QtSettingsStore final : public SettingsStore {
 public:
  explicit QtSettingsStore(std::string_view appName);

  std::string Get(std::string_view key, std::string_view fallback) override;
  void Save(std::string_view key, std::string_view value) override;
  void Remove(std::string_view key) override;

 private:
  QString file_;
};

// The executable's file name without its extension.
std::string ExecutableName();

}  // namespace dawnquill
