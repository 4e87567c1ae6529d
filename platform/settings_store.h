#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

// The per-user settings store: string values by application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual std::string GetSetting(std::string_view appName, std::string_view section,
                                 std::string_view key, std::string_view fallback) = 0;
  virtual void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

// The running program as the system sees it.
class Executable {
 public:
  virtual ~Executable() = default;

  // The executable's file name without its extension, read afresh at every call.
  virtual std::string Name() const = 0;
};

}  // namespace dawnquill
