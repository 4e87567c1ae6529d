#pragma once

#include <string>
#include <string_view>

#include "interfaces/result.h"

namespace dawnquill {

// The snooze delay in minutes until the user sets another, and as the box first shows it.
inline constexpr int kDefaultSnoozeDelay = 9;
inline constexpr char kDefaultSnoozeDelayText[] = {'0' + kDefaultSnoozeDelay, '\0'};
static_assert(kDefaultSnoozeDelay >= 1 && kDefaultSnoozeDelay <= 9, "one digit");

// The three settings, as texts: the hour and minute boxes' texts verbatim, and the snooze delay's
// number text. A store that lacks one gives its default.
struct Settings {
  std::string hour = "00";
  std::string minute = "00";
  std::string snoozeDelay = kDefaultSnoozeDelayText;
};

// The options beside them, as texts as stored; empty where the store has none. They are read
// apart from the three values, and written only when the user chooses them.
struct StoredOptions {
  std::string repeat;              // day names: "Mon,Tue,Wed,Thu,Fri"
  std::string gentleStartSeconds;  // 0 to 300
  std::string wakeWith;            // a URI or a path
};

// The names every store keeps them under, in its section, with the kept alarm's line beside them.
namespace settings_keys {
inline constexpr std::string_view kSection = "Settings";
inline constexpr std::string_view kHour = "Hour";
inline constexpr std::string_view kMinute = "Minute";
inline constexpr std::string_view kSnoozeDelay = "SnoozeDelay";
inline constexpr std::string_view kKeptAlarm = "Alarm";
inline constexpr std::string_view kRepeat = "Repeat";
inline constexpr std::string_view kGentleStartSeconds = "GentleStartSeconds";
inline constexpr std::string_view kWakeWith = "WakeWith";
}  // namespace settings_keys

// The program's settings in the user's own store. A platform binds it once, at start, to where
// this program keeps them: under the executable's file name without its extension.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored settings; all defaults when the store cannot be read.
  virtual Settings Read() = 0;
  virtual Result<> Write(const Settings& settings) = 0;
  virtual StoredOptions ReadOptions() = 0;
  virtual Result<> WriteOptions(const StoredOptions& options) = 0;

  // The kept alarm's line; empty when there is none.
  virtual std::string KeptAlarm() = 0;
  virtual Result<> KeepAlarm(std::string_view line) = 0;
  // Harmless when there is none.
  virtual Result<> ClearKeptAlarm() = 0;
};

}  // namespace dawnquill
