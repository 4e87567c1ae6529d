#pragma once

#include <string>
#include <vector>

#include "core/weekdays.h"
#include "interfaces/settings_store.h"

namespace dawnquill {

inline constexpr int kLongestGentleStart = 300;

// How the alarm rings, beyond its time and snooze: on which days, how gently the music starts,
// and what plays.
struct AlarmOptions {
  Weekdays days;               // none: once
  int gentleStartSeconds = 0;  // 0: at the player's own volume from the start
  std::string wakeWith;        // a URI or a path; empty: whatever the player has

  friend bool operator==(const AlarmOptions&, const AlarmOptions&) = default;
};

// Each value that cannot be read (an unknown day, a number out of range, a path that is not
// UTF-8 text) is its default, with a line in `complaints` that says which and why.
AlarmOptions ReadOptions(const StoredOptions& stored, std::vector<std::string>& complaints);
StoredOptions StoredText(const AlarmOptions& options);

}  // namespace dawnquill
