#include "fakes/alarm_model.h"

#include <functional>

#include <gtest/gtest.h>

// The alarm's rules alone: events in, effect lists out, without a window or a back end.
namespace dawnquill::testing {
namespace {

using namespace std::chrono;

// Halves go to the even hour; a text that is not numeric is not rounded. The boxes the checks
// reached are written back, and only those.
TEST(AlarmModel, TurnOnChecksTheBoxesInOrderAndRewritesOnlyThoseItReached) {
  const std::string hour = "box Error: Fill in an hour between 0 and 23";
  const std::string minute = "box Error: Fill in a minute between 0 and 59";
  const std::string delay = "box Error: Fill in a snooze delay between 1 and 99 minutes";
  const struct {
    std::string hour, minute, delay, after;  // typed, then the boxes' texts afterwards
    std::string warning;                     // empty: armed
  } cases[] = {
      // clang-format off
      {"07", "30", "9", "7 30 9", ""},      {"23", "59", "99", "23 59 99", ""},
      {"", "abc", "1", "0 0 1", ""},        {"7.6", "0", "9", "8 0 9", ""},
      {"8.5", "0", "9", "8 0 9", ""},       {"7.5x", "0", "9", "7.5 0 9", ""},
      {"0", "0", "9.", "0 0 9", ""},        {"24", "zz", "0", "24 - -", hour},
      {"-1", "30", "9", "-1 - -", hour},    {"23.5", "30", "9", "24 - -", hour},
      {"7", "59.7", "x", "7 60 -", minute}, {"07", "05", "0", "7 5 0", delay},
      {"07", "05", ".5", "7 5 0.5", delay}, {"07", "05", "100", "7 5 100", delay},
      {"07", "05", "abc", "7 5 0", delay},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour + " " + c.minute + " " + c.delay);
    Model model;
    const Log effects = model.Take(event::Toggle{{c.hour, c.minute, c.delay}});
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects[0], "boxes " + c.after);
    EXPECT_EQ(effects.size() > 1 ? effects[1] : "", c.warning.empty() ? effects[1] : c.warning);
    EXPECT_EQ(model.alarm.State(), c.warning.empty() ? AlarmState::Armed : AlarmState::Off);
  }
}

// A minute that no tick saw, because the machine slept, the program was stopped or the clocks
// went forward, rings at the first tick after it, up to an hour late; a minute that had passed
// before the alarm was set, or one the clock went back over, does not, but one the clock comes
// back to does. The alarm sees only wall-clock readings, so a zone's two nights of change are two
// more pairs of readings; the end-to-end cases run the autumn night in a real zone.
TEST(AlarmModel, RingsForAMinuteTheTicksSkippedUpToAnHourLate) {
  const struct {
    const char* what;
    int hour, minute;  // armed for; with a snooze, rung then and snoozed for 9 more
    bool snoozed;
    WallTime before, after;  // the two ticks around the gap
    bool rings;
  } cases[] = {
      // clang-format off
      {"a 15-minute suspend", 7, 0, false, {6, 59, 58, 2027, 3, 1}, {7, 14, 58, 2027, 3, 1}, true},
      {"an hour late", 7, 0, false, {6, 59, 58, 2027, 3, 1}, {8, 0, 30, 2027, 3, 1}, true},
      {"61 minutes late", 7, 0, false, {6, 59, 58, 2027, 3, 1}, {8, 1, 0, 2027, 3, 1}, false},
      {"a day's sleep, then 7:10", 7, 0, false, {7, 30, 0, 2027, 3, 1}, {7, 10, 0, 2027, 3, 2}, true},
      {"asleep from midnight", 7, 0, false, {23, 59, 58, 2027, 3, 1}, {7, 5, 0, 2027, 3, 2}, true},
      {"a passed minute armed", 7, 0, false, {7, 4, 58, 2027, 3, 1}, {7, 5, 3, 2027, 3, 1}, false},
      {"the spring night's 2:00 to 3:00", 2, 30, false, {1, 59, 55, 2027, 3, 1}, {3, 0, 0, 2027, 3, 1}, true},
      {"the autumn night's 3:00 to 2:00", 2, 30, false, {2, 59, 55, 2027, 3, 1}, {2, 0, 0, 2027, 3, 1}, false},
      {"the clock set back over it", 7, 0, false, {7, 30, 0, 2027, 3, 1}, {6, 55, 0, 2027, 3, 1}, false},
      {"the clock set back to it", 7, 0, false, {7, 30, 0, 2027, 3, 1}, {7, 0, 2, 2027, 3, 1}, true},
      {"the snooze minute skipped", 7, 0, true, {7, 8, 58, 2027, 3, 1}, {7, 11, 30, 2027, 3, 1}, true},
      {"the alarm minute, snoozing", 7, 12, true, {7, 11, 58, 2027, 3, 1}, {7, 20, 0, 2027, 3, 1}, false},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Model model;
    if (c.snoozed) {
      model.Arm(c.hour, c.minute);
      ASSERT_TRUE(model.Rings(model.Tick(c.hour, c.minute)));
      model.Take(event::Snooze{});
    }
    model.Tick(c.before);
    if (!c.snoozed) model.Arm(c.hour, c.minute);
    ASSERT_FALSE(model.Rings(model.Tick(c.before)));
    EXPECT_EQ(model.Rings(model.Tick(c.after)), c.rings);
  }
}

// Every change calls for all that follows it, carrying what each needs; the ring plays before its
// window opens; the log tells what happened once the desktop has answered, never what was only
// asked; the toggle and the ticks do nothing while it rings, but arming again inside the minute
// rings again.
TEST(AlarmModel, AMorningArmedRungSnoozedAndTurnedOff) {
  Model model;
  EXPECT_EQ(model.Take(event::Start{{"07", "30", "9"}, {}, "", StartShown::Window}),
            (Log{"boxes 07 30 9", "icon added Dawnquill"}));
  EXPECT_EQ(model.Tick(6, 0), (Log{"icon refreshed", "show window"}));
  EXPECT_EQ(model.Arm(7, 0),
            (Log{"boxes 7 0 9", "log Alarm on for 7:00, snoozes of 9 minutes",
                 "inputs Turn alarm off, locked", "status Alarm is on - Time: 7:00",
                 "icon armed Alarm is on - Time: 7:00", "hold Alarm is on - Time: 7:00",
                 "sign-in on", "keep 7:0, told", "wake 03-01 07:00Z", "tick at 03-01 07:00Z"}));
  const effect::WakeAt wake{sys_days{2027y / 3 / 1} + 7h, true};
  EXPECT_EQ(model.Take(event::Done<effect::WakeAt, WakeUpSet>{wake, WakeUpSet{}}),
            Log{"log Wake-up asked for 2027-03-01 7:00"});
  EXPECT_EQ(model.Tick(6, 30), (Log{"icon refreshed", "tick at 03-01 07:00Z"}))
      << "half an hour since the last tick: its timer may be off the clock";
  EXPECT_EQ(model.Tick(7, 0, 3),
            (Log{"icon refreshed", "play", "open ring", "status Alarm!", "icon ringing Alarm!",
                 "hold Alarm!, screen", "sign-in on", "keep 7:0 rang 03-01 07:00Z", "no wake",
                 "no tick", "announce 7:00"}));
  EXPECT_EQ(model.Take(event::Done<effect::Play>{}),
            (Log{"log Ringing for 7:00: the player was told to play", "listen"}));
  EXPECT_EQ(model.Arm(8, 0), Log{});
  EXPECT_FALSE(model.Rings(model.Tick(7, 0, 40))) << "a tick while it rings";
  model.clock.now += 4s;
  EXPECT_EQ(
      model.Take(event::Snooze{}),
      (Log{"stop listening", "stop player", "close ring", "unannounce", "log Snoozed until 7:09",
           "status Snooze is on - Time: 7:09", "icon armed Snooze is on - Time: 7:09",
           "hold Snooze is on - Time: 7:09", "sign-in on", "keep 7:0 snooze 03-01 07:09Z, told",
           "wake 03-01 07:09Z", "tick at 03-01 07:09Z"}));
  EXPECT_TRUE(model.Rings(model.Tick(7, 9, 1)));
  EXPECT_EQ(model.Take(event::TurnOff{}),
            (Log{"stop listening", "stop player", "close ring", "unannounce", "log Alarm off",
                 "inputs Turn alarm on", "status Alarm is off", "icon off Alarm is off", "release",
                 "sign-in off", "forget, told", "no wake"}));
  EXPECT_EQ(model.Take(event::Snooze{}), Log{}) << "the notice's Snooze after the ring";
  model.Arm(7, 9);
  EXPECT_TRUE(model.Rings(model.Tick(7, 9, 30))) << "armed again inside the minute";
}

// Armed at a tick at 6:00 for 7:00, the tick at the next ring is asked for again at a tick that
// finds the instant moved, or the clock moved under the timer: back, or on further than ticks go.
// Off cancels it, once. Arming and snoozing ask for it in the morning above.
TEST(AlarmModel, TheTickAtTheNextRingIsAskedAgainWheneverItMayBeWrong) {
  using M = Model&;
  const struct {
    const char* what;
    std::function<Log(Model&)> steps;
    std::string asked;  // by the last step: the instant, or "no tick"
  } cases[] = {
      // clang-format off
      {"the next tick", [](M m) { return m.Tick(6, 0, 5); }, ""},
      {"the tick that rings", [](M m) { return m.Tick(6, 59, 58), m.Tick(7, 0, 0); }, "no tick"},
      {"the clock on by 40 s", [](M m) { return m.Tick(6, 0, 40); }, "03-01 07:00Z"},
      {"the clock set back", [](M m) { return m.Tick(6, 0, 5), m.Tick(5, 59, 0); }, "03-01 07:00Z"},
      {"over an hour past", [](M m) { return m.Tick(6, 59, 58), m.Tick(8, 1, 0); }, "03-02 07:00Z"},
      {"zone west", [](M m) { return m.clock.offset = -1h, m.Tick(6, 0, 5); }, "03-01 08:00Z"},
      {"the platform's word", [](M m) { return m.Take(event::WakeLost{}); }, "03-01 07:00Z"},
      {"off", [](M m) { return m.Arm(7, 0); }, "no tick"},
      {"off, then the clock on", [](M m) { return m.Arm(7, 0), m.Tick(6, 30); }, ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Model model;
    model.Tick(6, 0);
    model.Arm(7, 0);
    std::string asked;
    for (const std::string& effect : c.steps(model)) {
      if (effect.starts_with("tick at ")) asked += effect.substr(8);
      if (effect == "no tick") asked += effect;
    }
    EXPECT_EQ(asked, c.asked);
  }
}

// The prompt for a player is a state, not a wait: Retry with no player asks again, and the alarm
// minute rings with the prompt taken away unanswered and the own sound standing in; a player that
// comes back is told to play, and once it is heard the own sound stops. After the ring the prompt
// is back while no player runs, and a player that appears takes it away. Cancel is the user's word
// that the alarm is off: nothing of the off state is shown, as the program ends with the settings
// saved.
TEST(AlarmModel, TheRingComesWhileThePromptIsOpenAndAPlayerThatComesBackPlays) {
  Model model;
  model.Arm(7, 0);
  const Log asking{"icon refreshed", "log No media player runs: asking for one",
                   "ask for a player"};
  EXPECT_EQ(model.Tick(6, 59, 58, false), asking);
  EXPECT_EQ(model.Take(event::PromptAnswered{BoxAnswer::Retry, false, {}}), Log{"ask for a player"})
      << "Retry with no player";
  EXPECT_EQ(
      model.Tick(7, 0, 3, false),
      (Log{"icon refreshed", "stop asking", "open ring", "status Alarm!", "icon ringing Alarm!",
           "hold Alarm!, screen", "sign-in on", "keep 7:0 rang 03-01 07:00Z", "no wake", "no tick",
           "announce 7:00", "log Ringing for 7:00: no media player runs", "own sound"}));
  EXPECT_EQ(model.Take(event::Done<effect::SoundOwn>{{1}, {}}),
            Log{"log The player cannot be heard, no media player runs: the alarm sounds its own "
                "sound"});
  EXPECT_EQ(model.Tick(7, 0, 8), (Log{"icon refreshed", "play"}));
  EXPECT_EQ(model.Take(event::Done<effect::Play>{}),
            (Log{"log The player that came back was told to play", "listen"}));
  EXPECT_EQ(model.Take(event::Heard{{0}, {.playing = false}}), Log{}) << "a stale answer";
  EXPECT_EQ(model.Take(event::Heard{{1}, {.playing = true}}),
            (Log{"log The player is heard: the alarm's own sound stops", "own sound off"}));
  model.Take(event::Snooze{});
  EXPECT_EQ(model.Tick(7, 0, 13, false), asking) << "the prompt back after the ring";
  EXPECT_EQ(model.Tick(7, 0, 18),
            (Log{"icon refreshed", "stop asking", "log A media player runs again"}));
  EXPECT_EQ(model.Tick(7, 0, 23, false), asking);
  EXPECT_EQ(model.Take(event::PromptAnswered{BoxAnswer::Cancel, false, {"7", "0", "9"}}),
            (Log{"log Alarm off: the prompt for a media player was cancelled", "release",
                 "sign-in off", "forget", "no wake", "no tick", "icon deleted", "save 7 0 9"}));
}

// The own sound's failure is an event: logged once a ring with its reason, and tried again at the
// next tick while the player is still silent, also when it failed after it had sounded (the sound
// server went away); a report of an older start, or one after the ring, counts for nothing, and
// the program's end silences it first.
TEST(AlarmModel, AnOwnSoundThatFailsIsTriedAgainAtTheNextTick) {
  Model model;
  model.Arm(7, 0);
  model.Tick(7, 0, 3, false);
  const auto reported = [&](unsigned attempt, const char* failure) {
    Result<> result;
    if (*failure != '\0') result = Failure{failure};
    return model.Take(event::Done<effect::SoundOwn>{{attempt}, result});
  };
  EXPECT_EQ(reported(1, "Connection refused"),
            Log{"log error: The player cannot be heard, no media player runs, and the alarm's own "
                "sound cannot play: Connection refused"});
  EXPECT_EQ(model.Tick(7, 0, 8, false), (Log{"icon refreshed", "own sound"}));
  EXPECT_EQ(reported(2, "Connection refused"), Log{});
  EXPECT_EQ(model.Tick(7, 0, 13, false), (Log{"icon refreshed", "own sound"}));
  EXPECT_EQ(reported(2, ""), Log{}) << "an older start's report";
  EXPECT_EQ(reported(3, ""), Log{"log The player cannot be heard, no media player runs: the "
                                 "alarm sounds its own sound"});
  EXPECT_EQ(reported(3, "Connection terminated"), Log{});
  EXPECT_EQ(model.Tick(7, 0, 18, false), (Log{"icon refreshed", "own sound"}));
  EXPECT_EQ(Log(model.Take(event::Exit{{"7", "0", "9"}})).front(), "own sound off");
  EXPECT_EQ(reported(4, ""), Log{}) << "a report after the ring";
}

// A snooze counts from the last tick's minute while that tick is recent; answered from the lock
// screen right after a resume, before the first tick, it counts from then.
TEST(AlarmModel, ASnoozeCountsFromTheLastTickOnlyWhileItIsRecent) {
  const struct {
    const char* what;
    seconds afterTheTick;
    const char* status;
  } cases[] = {
      {"three seconds after the tick, in the next minute", 3s, "Snooze is on - Time: 7:09"},
      {"forty minutes asleep after it", 40min, "Snooze is on - Time: 7:49"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Model model;
    model.Arm(7, 0);
    model.Tick(7, 0, 58);
    model.clock.now += c.afterTheTick;
    model.Take(event::Snooze{});
    EXPECT_EQ(model.alarm.Status(), c.status);
  }
}

// Each failure is logged with its level, and a box opens only in answer to what the user just
// did: the arming that finds the computer unable to wake, but not the start that carries a kept
// alarm on; a store that cannot keep the alarm, once a run, and never for a ring. A kept alarm
// that cannot be read is logged and left for the next arming to write over.
TEST(AlarmModel, FailuresAreLoggedAndToldOnlyInAnswerToTheUser) {
  const std::string cannotWake = "Turn on wake timers.";
  const effect::WakeAt armed{sys_days{2027y / 3 / 1} + 7h, true};
  const std::string noWake =
      "This computer cannot wake itself for the alarm: it rings when the computer is woken.";
  const struct {
    const char* what;
    std::vector<Event> events;
    Log last;  // what the last event called for
  } cases[] = {
      {"the arming finds the computer unable to wake",
       {event::Done<effect::WakeAt, WakeUpSet>{armed, WakeUpSet{cannotWake}}},
       {"log warning: " + noWake + " Turn on wake timers.",
        "box DawnQuill: " + noWake + "\n\nTurn on wake timers.",
        "log Wake-up asked for 2027-03-01 7:00"}},
      {"a restore finds it unable to wake",
       {event::Done<effect::WakeAt, WakeUpSet>{{armed.instant, false}, WakeUpSet{cannotWake}}},
       {"log warning: " + noWake + " Turn on wake timers.",
        "log Wake-up asked for 2027-03-01 7:00"}},
      {"the store cannot keep the arming, twice",
       {event::Done<effect::Keep>{{{}, true}, Failure{"The disk is full."}},
        event::Done<effect::Keep>{{{}, true}, Failure{"The disk is full."}}},
       {"log error: The alarm could not be written down: it rings only while this DawnQuill "
        "runs, and not after a restart. The disk is full."}},
      {"the start at sign-in cannot be written",
       {event::Done<effect::StartAtSignIn>{{true}, Failure{"autostart is not a folder"}}},
       {"log warning: The start at sign-in could not be written: autostart is not a folder"}},
      {"nothing holds the computer awake, twice",
       {event::Done<effect::Hold>{{}, Failure{"no portal"}},
        event::Done<effect::Hold>{{}, Failure{"no portal"}}},
       {}},
      {"a kept alarm that cannot be read",
       {event::Start{{}, {}, "7:00 delay 9 volume", StartShown::Window}},
       {"boxes 00 00 9", "icon added Dawnquill",
        "log warning: A kept alarm that could not be read is left as it is: 7:00 delay 9 volume"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Model model;
    model.Arm(7, 0);
    Log last;
    for (const Event& event : c.events) last = model.Take(event);
    EXPECT_EQ(last, c.last);
  }
  Model ringing;
  ringing.Arm(7, 0);
  ringing.Tick(7, 0, 3);
  EXPECT_EQ(ringing.Take(event::Done<effect::Play>{{}, Failure{"Timed out"}}),
            (Log{"log warning: Ringing for 7:00: the player could not be told to play: Timed out",
                 "own sound"}));
}

// Exit waits for the user to hear that the settings were lost before the program ends; the end of
// a session, and a removal by the uninstaller, wait for nobody and open no box.
TEST(AlarmModel, TheEndWaitsOnlyForAUserWhoIsThere) {
  const Failure full{"The disk is full."};
  const effect::SaveSettings saved{{"7", "0", "9"}, false};
  Model exit;
  exit.Arm(7, 0);
  EXPECT_EQ(Log(exit.Take(event::Exit{{"7", "0", "9"}})).back(), "save 7 0 9");
  EXPECT_EQ(exit.Take(event::Done<effect::SaveSettings>{saved, full}),
            (Log{"log error: The alarm time and snooze delay could not be saved. The disk is full.",
                 "box DawnQuill: The alarm time and snooze delay could not be saved.\n\nThe disk "
                 "is full."}));
  EXPECT_EQ(exit.Tick(7, 0, 3), Log{}) << "no tick once it ends";
  EXPECT_EQ(exit.Take(event::WarningAnswered{}), Log{"end"});

  Model session;
  session.Take(event::CloseAsked{CloseReason::SessionEnd, {"7", "0", "9"}});
  EXPECT_EQ(
      session.Take(event::Done<effect::SaveSettings>{{saved.settings, true}, full}),
      (Log{"log error: The alarm time and snooze delay could not be saved. The disk is full.",
           "tell The alarm time and snooze delay could not be saved.\nThe disk is full.", "end"}));

  Model removed;
  removed.Arm(7, 0);
  removed.Take(event::Uninstall{true, {"7", "0", "9"}});
  EXPECT_EQ(removed.Take(event::Done<effect::Forget>{{false}, full}),
            Log{"log error: The alarm that was turned off could not be removed from the settings: "
                "it comes back when DawnQuill starts again. The disk is full."});
}

}  // namespace
}  // namespace dawnquill::testing
