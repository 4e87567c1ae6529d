#include <cstdlib>
#include <ctime>
#include <deque>
#include <map>

#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

// Mornings on the wall clock of a real time zone, ticking every five seconds, with a scripted
// user: what rang, and when, is compared with what should have.
class Week {
 public:
  Week(const char* zone, const char* start) {
    setenv("TZ", zone, 1);
    tzset();
    now_ = At(start);
    rig_.wakeUpView.whileModal = [this] { Ringing(); };
    rig_.Start();
  }
  ~Week() {
    unsetenv("TZ");
    tzset();
  }

  // A local time, "YYYY-MM-DD HH:MM", or one in UTC, to name a moment of a repeated hour.
  static std::time_t At(const char* local) { return Parse(local, std::mktime); }
  static std::time_t AtUtc(const char* utc) { return Parse(utc, timegm); }

  // The user arms the alarm at a moment.
  void ArmAt(std::time_t when, const char* hour, const char* minute) {
    arms_.emplace(when, std::pair(hour, minute));
  }
  // How the user answers the next ring: after how many minutes, and whether with a snooze.
  void Answer(int afterMinutes, bool snooze) { answers_.emplace_back(afterMinutes, snooze); }

  void RunUntil(std::time_t until) {
    while (now_ < until) {
      now_ += 5;
      if (const auto arm = arms_.find(now_); arm != arms_.end()) {
        rig_.Arm(arm->second.first, arm->second.second, "9");
      }
      std::tm tm{};
      localtime_r(&now_, &tm);
      rig_.TickAt(tm.tm_hour, tm.tm_min, tm.tm_sec);
    }
  }

  std::vector<std::string> rings;

 private:
  static std::time_t Parse(const char* text, std::time_t (*convert)(std::tm*)) {
    std::tm tm{};
    strptime(text, "%Y-%m-%d %H:%M", &tm);
    tm.tm_isdst = -1;
    return convert(&tm);
  }

  void Ringing() {
    char when[32];
    std::strftime(when, sizeof when, "%a %H:%M %Z", std::localtime(&now_));
    rings.emplace_back(when);
    auto [afterMinutes, snooze] = answers_.empty() ? std::pair(0, false) : answers_.front();
    if (!answers_.empty()) answers_.pop_front();
    RunUntil(now_ + afterMinutes * 60);  // ticks nested in the ringing alarm
    rig_.program.wakeUpWindow.Click(snooze ? wake_up_window::cmdSnooze
                                           : wake_up_window::cmdAlarmOff);
  }

  Rig rig_;
  std::time_t now_ = 0;
  std::map<std::time_t, std::pair<const char*, const char*>> arms_;
  std::deque<std::pair<int, bool>> answers_;
};

constexpr bool kSnooze = true;
constexpr bool kOff = false;

TEST(Week, EveryRingComesAtItsMinuteWithNoneExtraOrMissing) {
  Week week("Europe/Amsterdam", "2026-03-23 05:00");
  week.ArmAt(Week::At("2026-03-23 06:00"), "7", "0");
  week.Answer(1, kSnooze);  // Mon 7:00, answered at 7:01: back at 7:10
  week.Answer(0, kSnooze);  // 7:10, back at 7:19
  week.Answer(0, kOff);     // 7:19
  week.ArmAt(Week::At("2026-03-23 22:00"), "6", "30");
  week.Answer(0, kOff);  // Tue 6:30
  week.ArmAt(Week::At("2026-03-24 22:00"), "7", "15");
  week.Answer(60, kOff);  // Wed 7:15, left ringing for an hour: it rings once
  week.ArmAt(Week::At("2026-03-27 22:00"), "2", "30");
  week.Answer(0, kOff);  // Sat 2:30
  week.ArmAt(Week::At("2026-03-28 02:31"), "2", "30");
  // Sunday has no 2:30: the clocks go from 2:00 to 3:00. The alarm waits for Monday.
  week.Answer(0, kOff);  // Mon 2:30
  week.RunUntil(Week::At("2026-03-30 12:00"));
  EXPECT_EQ(week.rings, (std::vector<std::string>{"Mon 07:00 CET", "Mon 07:10 CET", "Mon 07:19 CET",
                                                  "Tue 06:30 CET", "Wed 07:15 CET", "Sat 02:30 CET",
                                                  "Mon 02:30 CEST"}));
}

// When the clocks go back, 2:00 to 3:00 comes twice: an alarm armed again after the first 2:30
// rings at the second as well.
TEST(Week, TheRepeatedHourRingsAgainOnlyForAnAlarmArmedAgain) {
  Week week("Europe/Amsterdam", "2026-10-24 12:00");
  week.ArmAt(Week::At("2026-10-24 22:00"), "2", "30");
  week.Answer(0, kSnooze);                                 // 2:30 summer time
  week.Answer(0, kOff);                                    // 2:39 summer time
  week.ArmAt(Week::AtUtc("2026-10-25 00:45"), "2", "30");  // 2:45 summer time
  week.Answer(0, kOff);                                    // 2:30 winter time
  week.RunUntil(Week::At("2026-10-26 12:00"));
  EXPECT_EQ(week.rings,
            (std::vector<std::string>{"Sun 02:30 CEST", "Sun 02:39 CEST", "Sun 02:30 CET"}));
}

}  // namespace
}  // namespace dawnquill::testing
