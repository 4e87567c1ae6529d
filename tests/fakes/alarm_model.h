#pragma once

#include <algorithm>

#include "core/alarm.h"
#include "core/wall_clock.h"
#include "fakes/effect_text.h"

// The alarm alone, on a clock a test moves, its steps' effects in words.
namespace dawnquill::testing {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;

// The wall clock of UTC, standing where a test puts it: an instant and its reading are the same
// seconds, unless a test moves the zone.
struct UtcClock final : Clock {
  WallTime Now() const override { return LocalAt(now); }
  std::chrono::sys_seconds Utc() const override { return now; }
  WallTime LocalAt(std::chrono::sys_seconds t) const override { return UtcTimeAt(t + offset); }
  std::chrono::sys_seconds now = std::chrono::sys_days{2027y / 3 / 1} + 6h;
  std::chrono::seconds offset{0};
};

inline bool Has(const Log& effects, const std::string& effect) {
  return std::find(effects.begin(), effects.end(), effect) != effects.end();
}

struct Model {
  Log Take(const Event& event) { return Texts(alarm.Take(event)); }
  // A tick at that time of 1 March 2027, or of the day given.
  Log Tick(int hour, int minute, int second = 0, bool playerRuns = true, int day = 1) {
    clock.now = std::chrono::sys_days{2027y / 3 / day} + std::chrono::hours{hour} +
                std::chrono::minutes{minute} + std::chrono::seconds{second};
    return Take(event::Tick{clock.Now(), clock.now, playerRuns});
  }
  Log Tick(const WallTime& at) { return Tick(at.hour, at.minute, at.second, true, at.day); }
  Log Arm(int hour, int minute, const std::string& delay = "9") {
    return Take(event::Toggle{{std::to_string(hour), std::to_string(minute), delay}});
  }
  bool Rings(const Log& effects) { return Has(effects, "open ring"); }

  UtcClock clock;
  Alarm alarm{clock, "."};
};

}  // namespace dawnquill::testing
