#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace dawnquill::testing {
namespace {

WallTime At(int day, int hour, int minute) { return {hour, minute, 0, 2027, 3, day}; }

// The run that was killed: armed for 7:00 with a delay of 9 at a tick on that day and time.
std::function<void(Rig&)> Armed(int day, int hour, int minute) {
  return [=](Rig& rig) {
    rig.Tick(At(day, hour, minute));
    rig.Arm("7", "0");
  };
}
// Rung at 7:00 and left ringing, after `snoozes` snoozes of 9 minutes, then snoozed again if asked.
std::function<void(Rig&)> Ringing(int snoozes, bool snoozed = false) {
  return [=](Rig& rig) {
    rig.Arm("7", "0");
    rig.onRing = [&rig] { rig.Snooze(); };
    for (int i = 0; i < snoozes; ++i) rig.TickAt(7, 9 * i, 5);
    rig.onRing = {};
    rig.TickAt(7, 9 * snoozes, 5);
    if (snoozed) rig.Snooze();
  };
}

// A program killed with its alarm on comes back with it at the next start, without a question,
// with the boxes showing it. A minute that came while no program ran rings at the first tick, up
// to an hour late, but only if it came after the record: one before it, or over an hour ago,
// waits for its next turn. A ring the program died in counts as due at the minute that rang.
// A record that is broken, or that no one could have armed, is left for the next arming to write
// over: the alarm starts off. Keys that a newer version wrote are passed over, and a snooze
// further ahead than any snooze lasts gives way to the alarm. An alarm carried on starts with the
// session again.
TEST(KeptAlarm, ComesBackAtTheNextStartAndRingsForAMinuteMissedWithinTheHour) {
  const struct {
    const char* what;
    std::function<void(Rig&)> killed;  // the run before, up to the kill
    WallTime start;
    std::string status;  // once start-up's tick has run
  } cases[] = {
      // clang-format off
      {"armed, started before the minute", Armed(1, 6, 0), At(1, 6, 30), "Alarm is on - Time: 7:00"},
      {"armed, started 10 minutes after it", Armed(1, 6, 0), At(1, 7, 10), "Alarm!"},
      {"armed, started 61 minutes after it", Armed(1, 6, 0), At(1, 8, 1), "Alarm is on - Time: 7:00"},
      {"armed the evening before, started at 7:10", Armed(1, 22, 0), At(2, 7, 10), "Alarm!"},
      {"armed at 7:05 for the next day", Armed(1, 7, 5), At(1, 7, 8), "Alarm is on - Time: 7:00"},
      {"snoozing, started before its minute", Ringing(1, true), At(1, 7, 12), "Snooze is on - Time: 7:18"},
      {"snoozing, started after its minute", Ringing(1, true), At(1, 7, 30), "Alarm!"},
      {"ringing, started within the hour", Ringing(0), At(1, 7, 40), "Alarm!"},
      {"ringing, started 61 minutes after it", Ringing(0), At(1, 8, 1), "Alarm is on - Time: 7:00"},
      {"ringing after a snooze, started within the hour", Ringing(1), At(1, 8, 9), "Alarm!"},
      {"a broken record", [](Rig& r) { r.keptAlarm = "7:00 delay nine"; }, At(1, 6, 30), "Alarm is off"},
      {"a record no one could arm", [](Rig& r) { r.keptAlarm = "24:00 delay 9 written 2027-03-01T05:00:00Z"; }, At(1, 6, 30), "Alarm is off"},
      {"a newer version's record", [](Rig& r) { r.keptAlarm = "7:00 delay 9 tone soft chime 3 written 2027-03-01T05:00:00Z"; }, At(1, 6, 30), "Alarm is on - Time: 7:00"},
      {"a snooze kept hours ahead", [](Rig& r) { r.keptAlarm = "7:00 delay 9 snooze 2027-03-01T09:00:00Z written 2027-03-01T05:00:00Z"; }, At(1, 6, 30), "Alarm is on - Time: 7:00"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rig before;
    c.killed(before);
    Rig rig(Rig::NotStarted);
    rig.keptAlarm = before.keptAlarm;
    rig.now = c.start;
    rig.onRing = {};
    rig.StartProgram();
    EXPECT_EQ(rig.Main(MainControl::StatusLabel), c.status);
    const bool off = c.status == "Alarm is off";
    EXPECT_EQ(rig.Inputs(), off ? "00 00 9" : "7 0 9");
    EXPECT_TRUE(rig.keptAlarm.has_value()) << "the next arming writes over it";
    EXPECT_EQ(rig.startsAtSignIn, !off);
  }
}

}  // namespace
}  // namespace dawnquill::testing
