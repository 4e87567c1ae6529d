#include <gtest/gtest.h>

#include "fakes/alarm_model.h"

// The gentle start on the alarm alone: the player's answers are given by hand.
namespace dawnquill::testing {
namespace {

using effect::VolumeUse;

// An alarm for 6:00 with a gentle start over `seconds`, started with `kept` as the kept alarm.
struct Gentle : Model {
  explicit Gentle(int seconds, std::string kept = "") {
    Take(event::Start{{}, {"", std::to_string(seconds), ""}, std::move(kept), StartShown::Window});
    if (alarm.State() == AlarmState::Off) Arm(6, 0);
  }
  unsigned fade = 1;
  // The player answers the read with `level`; the volume it is then set to is taken.
  Log Read(double level, double full = 1) {
    Log effects =
        Take(event::Done<effect::ReadVolume, VolumeLevel>{{fade}, VolumeLevel{level, full}});
    for (const std::string& e : effects) {
      if (!e.starts_with("volume ")) continue;
      const double set = std::stod(e.substr(7));
      const VolumeUse use = e.ends_with("start") ? VolumeUse::FadeStart : VolumeUse::FadeStep;
      const Log taken = Take(event::Done<effect::SetVolume, double>{{set, use, fade}, set});
      effects.insert(effects.end(), taken.begin(), taken.end());
    }
    return effects;
  }
  Log Step(double read) {
    Log effects = Take(event::FadeStep{fade});
    const Log more = Read(read);
    effects.insert(effects.end(), more.begin(), more.end());
    return effects;
  }
};

// A third of the player's level before it plays, in its own units, then equal steps a second
// apart up to the level exactly; the record holds the level while the fade runs.
TEST(GentleStart, RisesFromAThirdToThePlayersLevelInStepsOfASecond) {
  const struct {
    int seconds;
    double level, full;
    std::string told;
    std::vector<std::string> steps;
  } cases[] = {
      {3, 0.9, 1, "starts at 30% and rises to 90% over 3", {"0.5", "0.7", "0.9"}},
      {1, 1.2, 1, "starts at 40% and rises to 120% over 1", {"1.2"}},
      {2, 255, 255, "starts at 33% and rises to 100% over 2", {"170", "255"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.told);
    Gentle model(c.seconds);
    const Log ring = model.Tick(6, 0);
    EXPECT_NE(std::find(ring.begin(), ring.end(), "read volume"), ring.end());
    EXPECT_EQ(std::find(ring.begin(), ring.end(), "play"), ring.end());
    char start[16];
    std::snprintf(start, sizeof start, "%.4g", c.level / 3);
    EXPECT_EQ(model.Read(c.level, c.full),
              (Log{std::string("volume ") + start + " start", "play",
                   "log The music " + c.told + " seconds",
                   "keep 6:0 rang 03-01 06:00Z volume " + std::to_string(c.level).substr(0, 4),
                   "step in 1000 ms"}));
    double held = c.level / 3;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const Log step = model.Step(held);
      EXPECT_EQ(step[1], "volume " + c.steps[i] + " step");
      held = std::stod(c.steps[i]);
      EXPECT_EQ(step.back() == "step in 1000 ms", i + 1 < c.steps.size());
    }
    EXPECT_EQ(model.Take(event::TurnOff{})[2], "close ring");  // nothing owed any more
  }
}

// However the ring ends, the player is stopped, then its level set back; a level the user set
// during the fade is theirs, and stays.
TEST(GentleStart, SetsTheLevelBackAfterTheRingUnlessTheUserSetOne) {
  const struct {
    const char* what;
    Event end;
    bool userSet;
    Log after;
  } cases[] = {
      {"snoozed", event::Snooze{}, false, {"stop player", "cancel step", "volume 0.9 restore"}},
      {"off", event::TurnOff{}, false, {"stop player", "cancel step", "volume 0.9 restore"}},
      {"exit",
       event::Exit{{"6", "0", "9"}},
       false,
       {"stop player", "cancel step", "volume 0.9 restore"}},
      {"session end",
       event::CloseAsked{CloseReason::SessionEnd, {}},
       false,
       {"cancel step", "volume 0.9 restore"}},
      {"off, the user set 60%", event::TurnOff{}, true, {"stop player"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Gentle model(20);
    model.Tick(6, 0);
    model.Read(0.9);
    if (c.userSet) {
      EXPECT_EQ(model.Step(0.6), (Log{"read volume",
                                      "log The volume was set to 60% during the gentle start, and "
                                      "stays there",
                                      "keep 6:0 rang 03-01 06:00Z"}));
    }
    Log ended;
    for (const std::string& e : model.Take(c.end)) {
      if (e.starts_with("volume") || e.find("step") != e.npos || e == "stop player") {
        ended.push_back(e);
      }
    }
    EXPECT_EQ(ended, c.after);
  }
}

// A player that cannot tell or take its level plays as it is, said once a run.
TEST(GentleStart, APlayerWithoutAVolumePlaysAsItIs) {
  Gentle model(20);
  model.Tick(6, 0);
  const Failure failure{"the player does not let others control it"};
  EXPECT_EQ(model.Take(event::Done<effect::ReadVolume, VolumeLevel>{{1}, failure}),
            (Log{"log warning: No gentle start: the player's volume cannot be read: the player "
                 "does not let others control it",
                 "play"}));
  model.Take(event::TurnOff{});
  model.Arm(6, 1);
  model.Tick(6, 1);
  model.fade = 2;
  EXPECT_EQ(model.Take(event::Done<effect::ReadVolume, VolumeLevel>{{2}, failure}), Log{"play"});
}

// A fade a crash cut short: the level comes back at the first tick that finds a player, or a
// ring within the hour fades towards it instead of the third it finds.
TEST(GentleStart, AStartAfterACrashSetsTheKeptLevelBack) {
  const std::string ringing =
      "6:00 delay 9 rang 2027-03-01T06:00:00Z volume 0.9 written "
      "2027-03-01T06:00:01Z";
  Gentle later(20, ringing);
  for (const std::string& e : later.Tick(8, 0, 0, false)) EXPECT_FALSE(e.starts_with("volume"));
  const Log repaid = later.Tick(8, 0, 10);
  EXPECT_EQ(repaid[1], "volume 0.9 repay");
  EXPECT_EQ(repaid[2], "keep 6:0");

  Gentle rerung(20, ringing);
  rerung.Tick(6, 1);
  EXPECT_EQ(rerung.Read(0.3)[0], "volume 0.3 start");
  EXPECT_EQ(rerung.Step(0.3)[1], "volume 0.33 step");
}

// The kept level comes back to the last bit, beyond 100% too; a level that is no number makes
// the record unreadable, as any broken value does.
TEST(GentleStart, TheKeptAlarmHoldsTheLevelExactly) {
  for (const double level : {0.1 + 0.2, 1.3, 0.0, 255.0}) {
    AlarmRecord kept;
    kept.snoozeDelay = 9;
    kept.volume = level;
    EXPECT_EQ(ReadRecord(RecordText(kept)), kept) << RecordText(kept);
  }
  for (const char* level : {"-0.5", "nan", "0.5x", "inf"}) {
    EXPECT_EQ(
        ReadRecord(std::string("6:00 delay 9 volume ") + level + " written 2027-03-01T06:00:00Z"),
        std::nullopt);
  }
}

}  // namespace
}  // namespace dawnquill::testing
