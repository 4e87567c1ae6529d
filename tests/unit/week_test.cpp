#include <cstdlib>
#include <ctime>
#include <deque>
#include <map>

#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

struct Arming {
  const char* at;  // "YYYY-MM-DD HH:MM", local, or in UTC with " UTC" after it
  const char* hour;
  const char* minute;
};
struct Answer {
  int afterMinutes;
  bool snooze;  // or "Turn alarm off"
};
constexpr bool kSnooze = true;
constexpr bool kOff = false;

std::time_t At(std::string_view text) {
  std::tm tm{};
  strptime(std::string(text).c_str(), "%Y-%m-%d %H:%M", &tm);
  tm.tm_isdst = -1;
  return text.ends_with(" UTC") ? timegm(&tm) : std::mktime(&tm);
}

// Days on the wall clock of a real time zone, ticking every five seconds, with a user who arms
// the alarm at given moments and answers each ring in turn: when it rang, as "Mon 07:00 CET".
std::vector<std::string> Rings(const char* zone, const char* from, const char* until,
                               const std::vector<Arming>& armings, std::deque<Answer> answers) {
  setenv("TZ", zone, 1);
  tzset();
  std::map<std::time_t, Arming> arms;
  for (const Arming& arming : armings) arms.emplace(At(arming.at), arming);
  StartedRig rig;
  std::vector<std::string> rings;
  std::time_t now = At(from);
  std::function<void(std::time_t)> runUntil = [&](std::time_t end) {
    for (std::tm tm{}; now < end;) {
      now += 5;
      if (const auto arm = arms.find(now); arm != arms.end())
        rig.Arm(arm->second.hour, arm->second.minute, "9");
      localtime_r(&now, &tm);
      rig.Tick({tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday});
    }
  };
  rig.wakeUpView.whileModal = [&] {
    char when[32];
    std::strftime(when, sizeof when, "%a %H:%M %Z", std::localtime(&now));
    rings.emplace_back(when);
    const Answer answer = answers.empty() ? Answer{0, kOff} : answers.front();
    if (!answers.empty()) answers.pop_front();
    runUntil(now + answer.afterMinutes * 60);  // ticks nested in the ringing alarm
    answer.snooze ? rig.Snooze() : rig.AlarmOff();
  };
  runUntil(At(until));
  unsetenv("TZ");
  tzset();
  return rings;
}

// Monday's ring is answered a minute late with a snooze, so it comes back at 7:10, then 7:19;
// Wednesday's is left ringing for an hour and rings once. Sunday has no 2:30, as the clocks go
// from 2:00 to 3:00: the alarm rings at 3:00, the first tick after the minute the clock skipped.
TEST(Week, EveryRingComesAtItsMinuteWithNoneExtraOrMissing) {
  EXPECT_EQ(
      Rings("Europe/Amsterdam", "2026-03-23 05:00", "2026-03-30 12:00",
            {{"2026-03-23 06:00", "7", "0"},
             {"2026-03-23 22:00", "6", "30"},
             {"2026-03-24 22:00", "7", "15"},
             {"2026-03-27 22:00", "2", "30"},
             {"2026-03-28 02:31", "2", "30"}},
            {{1, kSnooze}, {0, kSnooze}, {0, kOff}, {0, kOff}, {60, kOff}}),
      (std::vector<std::string>{"Mon 07:00 CET", "Mon 07:10 CET", "Mon 07:19 CET", "Tue 06:30 CET",
                                "Wed 07:15 CET", "Sat 02:30 CET", "Sun 03:00 CEST"}));
}

// When the clocks go back, 2:00 to 3:00 comes twice: an alarm armed again at 2:45 summer time
// rings at 2:30 winter time as well.
TEST(Week, TheRepeatedHourRingsAgainOnlyForAnAlarmArmedAgain) {
  EXPECT_EQ(
      Rings("Europe/Amsterdam", "2026-10-24 12:00", "2026-10-26 12:00",
            {{"2026-10-24 22:00", "2", "30"}, {"2026-10-25 00:45 UTC", "2", "30"}}, {{0, kSnooze}}),
      (std::vector<std::string>{"Sun 02:30 CEST", "Sun 02:39 CEST", "Sun 02:30 CET"}));
}

}  // namespace
}  // namespace dawnquill::testing
