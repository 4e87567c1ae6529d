#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

// A week of mornings on a wall clock of a real time zone, ticking every five seconds, with a
// scripted user: what rang, and when, is compared with what should have.
class Week {
 public:
  enum class Answer { Snooze, Off };
  struct Reaction {
    int afterMinutes = 0;  // how long the alarm rings before the user answers
    Answer answer = Answer::Off;
  };

  Week(const char* zone, const char* start) {
    setenv("TZ", zone, 1);
    tzset();
    now_ = At(start);
    Restart();
  }
  ~Week() {
    unsetenv("TZ");
    tzset();
  }

  static std::time_t At(const char* local) {
    std::tm tm{};
    strptime(local, "%Y-%m-%d %H:%M", &tm);
    tm.tm_isdst = -1;
    return std::mktime(&tm);
  }

  static std::time_t AtUtc(const char* utc) {
    std::tm tm{};
    strptime(utc, "%Y-%m-%d %H:%M", &tm);
    return timegm(&tm);
  }

  // What the user does at a moment of local time, or of UTC inside a repeated hour.
  void On(const char* local, std::function<void(Week&)> action) { On(At(local), action); }
  void On(std::time_t when, std::function<void(Week&)> action) {
    actions_.emplace(when, std::move(action));
  }
  void React(Reaction reaction) { reactions_.push_back(reaction); }

  void Arm(const char* hour, const char* minute, const char* delay) {
    rig_->SetInputs(hour, minute, delay);
    rig_->program.mainWindow.Click(main_window::cmdToggleAlarm);
  }
  void Toggle() { rig_->program.mainWindow.Click(main_window::cmdToggleAlarm); }
  // The player is gone at the next tick and the user cancels the prompt: the program ends.
  void PlayerGoneAndCancel() {
    rig_->player.running = false;
    rig_->boxes.Next(BoxAnswer::Cancel);
  }
  // The user starts the program again; it restores the settings the last run saved.
  void Restart() {
    auto settings = rig_ ? rig_->settings.values : std::map<std::string, std::string>{};
    rig_ = std::make_unique<Rig>();
    rig_->settings.values = settings;
    rig_->wakeUpView.whileModal = [this] { Ringing(); };
    Set();
    rig_->Start();
  }

  void RunUntil(const char* local) { RunUntil(At(local)); }

  std::vector<std::string> rings;

 private:
  void RunUntil(std::time_t until) {
    while (now_ < until) {
      now_ += 5;
      const auto action = actions_.find(now_);
      if (action != actions_.end()) action->second(*this);
      if (rig_->program.mainWindow.Unloaded()) continue;
      Set();
      rig_->program.mainWindow.Timer(main_window::TimerAlarm);
    }
  }

  void Ringing() {
    char when[32];
    std::strftime(when, sizeof when, "%a %H:%M %Z", std::localtime(&now_));
    rings.emplace_back(when);
    const Reaction reaction = reactions_.empty() ? Reaction{} : reactions_.front();
    if (!reactions_.empty()) reactions_.erase(reactions_.begin());
    RunUntil(now_ + reaction.afterMinutes * 60);  // ticks nested in the ringing alarm
    rig_->program.wakeUpWindow.Click(reaction.answer == Answer::Snooze
                                         ? wake_up_window::cmdSnooze
                                         : wake_up_window::cmdAlarmOff);
  }

  void Set() {
    std::tm tm{};
    localtime_r(&now_, &tm);
    rig_->clock.now = {tm.tm_hour, tm.tm_min, tm.tm_sec};
  }

  std::unique_ptr<Rig> rig_;
  std::time_t now_ = 0;
  std::multimap<std::time_t, std::function<void(Week&)>> actions_;
  std::vector<Reaction> reactions_;
};

using Answer = Week::Answer;

TEST(Week, EveryRingComesAtItsMinuteWithNoneExtraOrMissing) {
  Week week("Europe/Amsterdam", "2026-03-23 05:00");
  week.On("2026-03-23 06:00", [](Week& w) { w.Arm("7", "0", "9"); });
  week.React({1, Answer::Snooze});  // Mon 7:00, answered at 7:01: back at 7:10
  week.React({0, Answer::Snooze});  // 7:10, back at 7:19
  week.React({0, Answer::Off});     // 7:19
  week.On("2026-03-23 22:00", [](Week& w) { w.Arm("6", "30", "9"); });
  week.React({0, Answer::Off});  // Tue 6:30
  week.On("2026-03-24 22:00", [](Week& w) { w.Arm("7", "15", "9"); });
  week.React({60, Answer::Off});  // Wed 7:15, left ringing for an hour: it rings once
  week.On("2026-03-25 22:00", [](Week& w) { w.Arm("7", "15", "9"); });
  week.React({0, Answer::Snooze});  // Thu 7:15
  week.React({0, Answer::Snooze});  // 7:24
  week.React({0, Answer::Off});     // 7:33
  week.On("2026-03-26 12:00", [](Week& w) { w.PlayerGoneAndCancel(); });
  week.On("2026-03-26 12:05", [](Week& w) {
    w.Restart();
    w.Toggle();  // the restored boxes, 7 and 15, armed again
  });
  week.React({0, Answer::Off});  // Fri 7:15
  week.On("2026-03-27 22:00", [](Week& w) { w.Arm("2", "30", "9"); });
  week.React({0, Answer::Off});  // Sat 2:30
  week.On("2026-03-28 02:31", [](Week& w) { w.Arm("2", "30", "9"); });
  // Sunday has no 2:30: the clocks go from 2:00 to 3:00. The alarm waits for Monday.
  week.React({0, Answer::Off});  // Mon 2:30
  week.RunUntil("2026-03-30 12:00");
  EXPECT_EQ(week.rings, (std::vector<std::string>{"Mon 07:00 CET", "Mon 07:10 CET", "Mon 07:19 CET",
                                                  "Tue 06:30 CET", "Wed 07:15 CET", "Thu 07:15 CET",
                                                  "Thu 07:24 CET", "Thu 07:33 CET", "Fri 07:15 CET",
                                                  "Sat 02:30 CET", "Mon 02:30 CEST"}));
}

// When the clocks go back, 2:00 to 3:00 comes twice: an alarm armed again after the first 2:30
// rings at the second as well.
TEST(Week, TheRepeatedHourRingsAgainOnlyForAnAlarmArmedAgain) {
  Week week("Europe/Amsterdam", "2026-10-24 12:00");
  week.On("2026-10-24 22:00", [](Week& w) { w.Arm("2", "30", "9"); });
  week.React({0, Answer::Snooze});  // 2:30 summer time
  week.React({0, Answer::Off});     // 2:39 summer time
  week.On(Week::AtUtc("2026-10-25 00:45"), [](Week& w) { w.Arm("2", "30", "9"); });  // 2:45 CEST
  week.React({0, Answer::Off});  // 2:30 winter time
  week.RunUntil("2026-10-26 12:00");
  EXPECT_EQ(week.rings,
            (std::vector<std::string>{"Sun 02:30 CEST", "Sun 02:39 CEST", "Sun 02:30 CET"}));
}

}  // namespace
}  // namespace dawnquill::testing
