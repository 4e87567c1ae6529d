#include <gtest/gtest.h>

#include "fakes/alarm_model.h"

// The gentle start on the alarm alone: the player's answers are given by hand.
namespace dawnquill::testing {
namespace {

// An alarm for 6:00 with a gentle start over `seconds`, unless `kept` carries one on.
struct Gentle : Model {
  explicit Gentle(int seconds, std::string kept = "") {
    Take(event::Start{{}, {"", std::to_string(seconds), ""}, std::move(kept), StartShown::Window});
    if (alarm.State() == AlarmState::Off) Arm(6, 0);
  }
  // The player tells its level, or fails to; then takes each level it is set to, as the driver
  // reports them: once the step's effects are carried out.
  Log Read(Result<VolumeLevel> read, unsigned fade = 1) {
    Log effects;
    std::vector<effect::SetVolume> sets;
    for (const Effect& e : alarm.Take(event::Done<effect::ReadVolume, VolumeLevel>{{fade}, read})) {
      effects.push_back(Text(e));
      if (const auto* set = std::get_if<effect::SetVolume>(&e)) sets.push_back(*set);
    }
    for (const effect::SetVolume& set : sets) {
      held = set.level;
      const Log taken = Take(event::Done<effect::SetVolume, double>{set, set.level});
      effects.insert(effects.end(), taken.begin(), taken.end());
    }
    return effects;
  }
  Log Step(std::optional<double> level = {}) {
    Take(event::FadeStep{1});
    return Read(VolumeLevel{level.value_or(held), 1});
  }
  double held = 0;  // the level set last
};

// A third of the player's level before it plays, in its own units, then equal steps a second
// apart up to the level exactly; the record holds the level while the fade runs.
TEST(GentleStart, RisesFromAThirdToThePlayersLevelInStepsOfASecond) {
  const struct {
    int seconds;
    double level, full;
    std::string told, levels;
  } cases[] = {
      {3, 0.9, 1, "30% and rises to 90% over 3", "0.3 start|0.5 step|0.7 step|0.9 step"},
      {1, 1.2, 1, "40% and rises to 120% over 1", "0.4 start|1.2 step"},
      {2, 255, 255, "33% and rises to 100% over 2", "85 start|170 step|255 step"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.told);
    Gentle model(c.seconds);
    const Log ring = model.Tick(6, 0);
    EXPECT_EQ(std::count(ring.begin(), ring.end(), "play"), 0);
    Log step = model.Read(VolumeLevel{c.level, c.full});
    EXPECT_EQ(Log(step.begin() + 1, step.begin() + 4),
              (Log{"play", "log The music starts at " + c.told + " seconds",
                   "keep 6:0 rang 03-01 06:00Z volume " + std::to_string(c.level).substr(0, 4)}));
    std::string levels = step[0].substr(7);
    for (; step.back() == "step in 1000 ms"; levels += "|" + step[0].substr(7)) step = model.Step();
    EXPECT_EQ(levels, c.levels);
    EXPECT_EQ(step.back(), "keep 6:0 rang 03-01 06:00Z");
    EXPECT_EQ(model.Take(event::TurnOff{})[2], "close ring");  // nothing owed any more
  }
}

// However the ring ends, the player is stopped, then its level set back; a level the user set
// during the fade is theirs, and stays. A player that cannot tell its level plays as it is, said
// once a run.
TEST(GentleStart, SetsTheLevelBackAfterTheRingUnlessTheUserSetOne) {
  const Log restored{"stop player", "cancel step", "volume 0.9 restore"};
  const struct {
    const char* what;
    Event end;
    std::optional<double> userSet;
    Log after;
  } cases[] = {
      // clang-format off
      {"snoozed", event::Snooze{}, {}, restored},
      {"off", event::TurnOff{}, {}, restored},
      {"exit", event::Exit{{"6", "0", "9"}}, {}, restored},
      {"session end", event::CloseAsked{CloseReason::SessionEnd, {}}, {}, {restored[1], restored[2]}},
      {"off, the user set 60%", event::TurnOff{}, 0.6, {"stop player"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Gentle model(20);
    model.Tick(6, 0);
    model.Read(VolumeLevel{0.9, 1});
    if (c.userSet) {
      EXPECT_EQ(model.Step(*c.userSet),
                (Log{"log The volume was set to 60% during the gentle start, and stays there",
                     "keep 6:0 rang 03-01 06:00Z"}));
    }
    Log ended = model.Take(c.end);
    std::erase_if(ended, [](const std::string& e) {
      return !e.starts_with("volume") && e != "cancel step" && e != "stop player";
    });
    EXPECT_EQ(ended, c.after);
  }
  Gentle model(20);
  const Failure failure{"the player does not let others control it"};
  model.Tick(6, 0);
  EXPECT_EQ(model.Read(failure), (Log{"log warning: No gentle start: the player's volume cannot "
                                      "be read: the player does not let others control it",
                                      "play"}));
  model.Take(event::TurnOff{});
  model.Arm(6, 1);
  model.Tick(6, 1);
  EXPECT_EQ(model.Read(failure, 2), Log{"play"});
}

// A fade a crash cut short: the level comes back at the first tick that finds a player, or a
// ring within the hour fades towards it instead of the third it finds. The record keeps the
// level to the last bit, beyond 100% too; a level that is no number spoils the record.
TEST(GentleStart, AStartAfterACrashSetsTheKeptLevelBack) {
  const std::string ringing =
      "6:00 delay 9 rang 2027-03-01T06:00:00Z volume 0.9 written 2027-03-01T06:00:01Z";
  Gentle later(20, ringing);
  for (const std::string& e : later.Tick(8, 0, 0, false)) EXPECT_FALSE(e.starts_with("volume"));
  const Log repaid = later.Tick(8, 0, 10);
  EXPECT_EQ(Log(repaid.begin() + 1, repaid.begin() + 3), (Log{"volume 0.9 repay", "keep 6:0"}));
  Gentle rerung(20, ringing);
  rerung.Tick(6, 1);
  EXPECT_EQ(rerung.Read(VolumeLevel{0.3, 1})[0], "volume 0.3 start");
  EXPECT_EQ(rerung.Step(0.3)[0], "volume 0.33 step");

  AlarmRecord kept;
  kept.snoozeDelay = 9;
  for (const double level : {0.1 + 0.2, 1.3, 0.0}) {
    kept.volume = level;
    EXPECT_EQ(ReadRecord(RecordText(kept)), kept) << RecordText(kept);
  }
  for (const char* level : {"-0.5", "nan", "0.5x", "inf"}) {
    EXPECT_FALSE(ReadRecord(std::string("6:00 delay 9 volume ") + level + " written " +
                            "2027-03-01T06:00:00Z"));
  }
}

}  // namespace
}  // namespace dawnquill::testing
