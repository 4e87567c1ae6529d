#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

// The program's settings in the user's own store, as strings by key. A platform binds it once, at
// start, to where this program keeps them: under the executable's file name without its
// extension, in the section kSettingsSection.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored value, or the fallback when there is none.
  virtual std::string Get(std::string_view key, std::string_view fallback) = 0;
  virtual void Save(std::string_view key, std::string_view value) = 0;
  // Harmless when there is no such value.
  virtual void Remove(std::string_view key) = 0;
};

inline constexpr std::string_view kSettingsSection = "Settings";

}  // namespace dawnquill
