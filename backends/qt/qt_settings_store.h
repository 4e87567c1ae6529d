#pragma once

#include <QString>

#include "interfaces/settings_store.h"

namespace dawnquill {

// Settings in an INI file, $XDG_CONFIG_HOME/<application>.conf, in the settings section's group.
class QtSettingsStore final : public SettingsStore {
 public:
  explicit QtSettingsStore(std::string_view appName);

  Settings Read() override;
  Result<> Write(const Settings& settings) override;
  StoredOptions ReadOptions() override;
  Result<> WriteOptions(const StoredOptions& options) override;
  std::string KeptAlarm() override;
  Result<> KeepAlarm(std::string_view line) override;
  Result<> ClearKeptAlarm() override;

 private:
  QString file_;
};

// The executable's file name without its extension.
std::string ExecutableName();

}  // namespace dawnquill
