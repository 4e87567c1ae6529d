#include <gtest/gtest.h>

#include "core/alarm_options.h"
#include "fakes/alarm_model.h"

// Alarms that repeat on chosen days. 1 March 2027 is a Monday, 5 March a Friday.
namespace dawnquill::testing {
namespace {

constexpr const char* kWeekdays = "Mon,Tue,Wed,Thu,Fri";

StoredOptions Repeat(const std::string& days) { return {days, "", ""}; }

// Started with these days stored, then armed at that moment for 7:00.
void ArmRepeating(Model& model, const std::string& days, int day, int hour, int minute,
                  int second = 0) {
  model.Take(event::Start{{}, Repeat(days), "", StartShown::InTray});
  model.Tick(hour, minute, second, true, day);
  model.Arm(7, 0);
}

TEST(RepeatDays, TheDaysAsStoredAndAsShown) {
  const struct {
    const char* stored;
    const char* kept;   // as written back; "-" for a text that does not read
    const char* shown;  // "" for once
  } cases[] = {
      {"Mon,Tue,Wed,Thu,Fri", "Mon,Tue,Wed,Thu,Fri", "Mon-Fri"},
      {"Sat,Sun", "Sat,Sun", "Sat, Sun"},
      {"Fri, Mon , Wed", "Mon,Wed,Fri", "Mon, Wed, Fri"},
      {"Sun,Sat,Fri,Thu,Wed,Tue,Mon", "Mon,Tue,Wed,Thu,Fri,Sat,Sun", "every day"},
      {"Mon,Tue,Wed,Fri,Sat,Sun", "Mon,Tue,Wed,Fri,Sat,Sun", "Mon-Wed, Fri-Sun"},
      {"", "", ""},
      {"Mon,Funday", "-", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    const std::optional<Weekdays> days = ReadWeekdays(c.stored);
    EXPECT_EQ(days ? days->Stored() : "-", c.kept);
    EXPECT_EQ(days ? days->Shown() : "", c.shown);
  }
}

// A bad value is its default, and the log says which; a good one is taken as it is.
TEST(RepeatDays, OptionsThatCannotBeReadAreTheirDefaults) {
  const struct {
    StoredOptions stored;
    AlarmOptions read;
    std::size_t complaints;
  } cases[] = {
      {{}, {}, 0},
      {{"Sat,Sun", "300", "/home/me/Music/wake up.ogg"},
       {*ReadWeekdays("Sat,Sun"), 300, "/home/me/Music/wake up.ogg"},
       0},
      {{"Sat,Someday", "301", "file:///M\xc3\xbasica"}, {{}, 0, "file:///M\xc3\xbasica"}, 2},
      {{"", "-1", "/music/\xff.ogg"}, {}, 2},
      {{"", "20s", "/music/\xc0\xaf.ogg"}, {}, 2},      // an overlong '/'
      {{"", " 20", "/music/\xed\xa0\x80.ogg"}, {}, 2},  // a surrogate
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.repeat + "|" + c.stored.gentleStartSeconds + "|" + c.stored.wakeWith);
    std::vector<std::string> complaints;
    EXPECT_EQ(ReadOptions(c.stored, complaints), c.read);
    EXPECT_EQ(complaints.size(), c.complaints);
  }
}

// Armed at a moment, with these days, for 7:00; whether the minute that then comes rings, and
// which ring the wake-up is asked for.
TEST(RepeatDays, RingsOnlyOnItsDaysAndWaitsForTheNextOne) {
  const struct {
    const char* what;
    const char* days;
    WallTime armed, before, after;  // armed at, then the two ticks around the alarm minute
    bool rings;
    const char* wake;  // asked for at the arming
  } cases[] = {
      // clang-format off
      {"a weekday", kWeekdays, {6, 0, 0, 2027, 3, 5}, {6, 59, 58, 2027, 3, 5}, {7, 0, 3, 2027, 3, 5}, true, "03-05 07:00Z"},
      {"a Saturday", kWeekdays, {6, 0, 0, 2027, 3, 6}, {6, 59, 58, 2027, 3, 6}, {7, 0, 3, 2027, 3, 6}, false, "03-08 07:00Z"},
      {"after its time", kWeekdays, {7, 30, 0, 2027, 3, 5}, {6, 59, 58, 2027, 3, 6}, {7, 0, 3, 2027, 3, 6}, false, "03-08 07:00Z"},
      {"in its minute, a chosen day", kWeekdays, {7, 0, 10, 2027, 3, 5}, {7, 0, 10, 2027, 3, 5}, {7, 0, 15, 2027, 3, 5}, true, "03-08 07:00Z"},
      {"in its minute, another day", "Sat,Sun", {7, 0, 10, 2027, 3, 5}, {7, 0, 10, 2027, 3, 5}, {7, 0, 15, 2027, 3, 5}, false, "03-06 07:00Z"},
      {"missed, its own day", "Sun", {6, 0, 0, 2027, 3, 7}, {6, 59, 58, 2027, 3, 7}, {7, 40, 0, 2027, 3, 7}, true, "03-07 07:00Z"},
      {"missed by over an hour", "Sun", {6, 0, 0, 2027, 3, 7}, {6, 59, 58, 2027, 3, 7}, {8, 1, 0, 2027, 3, 7}, false, "03-07 07:00Z"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Model model;
    model.Take(event::Start{{}, Repeat(c.days), "", StartShown::InTray});
    model.Tick(c.armed);
    EXPECT_TRUE(Has(model.Arm(7, 0), std::string("wake ") + c.wake));
    const bool rangBefore = model.Rings(model.Tick(c.before));
    EXPECT_EQ(rangBefore || model.Rings(model.Tick(c.after)), c.rings);
  }
}

// Off in the ring's window keeps a repeating alarm on for its next day, also after a snooze that
// rang past midnight on a day that is not chosen; the main window's button turns it off.
TEST(RepeatDays, OffAfterTheRingKeepsItOnForTheNextDay) {
  Model model;
  model.Take(event::Start{{}, Repeat(kWeekdays), "", StartShown::InTray});
  model.Tick(22, 0, 0, true, 5);
  model.Take(event::Toggle{{"23", "55", "9"}});
  model.Tick(23, 54, 58, true, 5);
  ASSERT_TRUE(model.Rings(model.Tick(23, 55, 3, true, 5)));
  model.Take(event::Snooze{});
  model.Tick(0, 3, 58, true, 6);
  EXPECT_TRUE(model.Rings(model.Tick(0, 4, 3, true, 6))) << "a snooze rings on any day";
  const Log off = model.Take(event::TurnOff{});
  EXPECT_TRUE(Has(off, "icon armed Alarm is on - Time: 23:55, Mon-Fri"));
  EXPECT_TRUE(Has(off, "wake 03-08 23:55Z"));

  Model monday;
  ArmRepeating(monday, kWeekdays, 8, 6, 0);
  monday.Tick(6, 59, 58, true, 8);
  ASSERT_TRUE(monday.Rings(monday.Tick(7, 0, 3, true, 8)));
  EXPECT_TRUE(Has(monday.Take(event::TurnOff{}), "wake 03-09 07:00Z"));
  EXPECT_FALSE(monday.Rings(monday.Tick(7, 0, 8, true, 8))) << "not again in the minute that rang";
  monday.Take(event::Toggle{});
  EXPECT_EQ(monday.alarm.State(), AlarmState::Off);
}

// The kept record carries the days, so that a restart goes on from ring to ring; an older one
// without them is an alarm that rings once.
TEST(RepeatDays, TheKeptRecordCarriesTheDays) {
  const std::string text = "7:00 delay 9 days Mon,Tue,Wed,Thu,Fri written 2027-03-05T07:00:00Z";
  const std::optional<AlarmRecord> kept = ReadRecord(text);
  ASSERT_TRUE(kept);
  EXPECT_EQ(RecordText(*kept), text);
  EXPECT_EQ(ReadRecord("7:00 delay 9 written 2027-03-05T07:00:00Z")->days, Weekdays{});
  EXPECT_EQ(ReadRecord("7:00 delay 9 days Mon,Funday written 2027-03-05T07:00:00Z"), std::nullopt);

  Model model;
  model.clock.now = kept->written + 1min;
  const Log start = model.Take(event::Start{{}, {}, text, StartShown::InTray});
  EXPECT_TRUE(Has(start, "icon armed Alarm is on - Time: 7:00, Mon-Fri"));
  EXPECT_TRUE(Has(start, "wake 03-08 07:00Z"));
}

// Where the computer wakes itself for the ring, a repeating alarm holds it awake only over the
// half day before the ring; a once alarm, and one the computer cannot wake for, hold it all along.
TEST(RepeatDays, TheHoldCoversOnlyTheHalfDayBeforeTheRingWhereTheComputerWakesItself) {
  const std::chrono::sys_seconds monday = std::chrono::sys_days{2027y / 3 / 8} + 7h;
  const struct {
    const char* days;
    Result<WakeUpSet> wake;
    bool released;
  } cases[] = {
      {kWeekdays, WakeUpSet{}, true},
      {kWeekdays, Failure{"no wake timer"}, false},
      {"", WakeUpSet{}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.days) + (c.wake ? c.wake->cannotWake : c.wake.Reason()));
    Model model;
    ArmRepeating(model, c.days, 5, 7, 30);
    const std::chrono::sys_seconds due = *c.days != 0 ? monday : monday - 48h;
    const Log answered = model.Take(event::Done<effect::WakeAt, WakeUpSet>{{due, true}, c.wake});
    EXPECT_EQ(Has(answered, "release"), c.released);
    if (!c.released) continue;
    EXPECT_FALSE(Has(model.Tick(18, 59, 0, true, 7), "hold Alarm is on - Time: 7:00, Mon-Fri"));
    EXPECT_TRUE(Has(model.Tick(19, 0, 5, true, 7), "hold Alarm is on - Time: 7:00, Mon-Fri"));
  }
}

// The options window opens with what the next arming uses; a gentle start out of range keeps it
// open; OK saves at once, applies new days to the alarm that is on, and a failed save is told. A
// path to nothing is saved, and told.
TEST(RepeatDays, TheOptionsWindowsOkAppliesTheDaysToWhatIsPending) {
  Model model;
  ArmRepeating(model, "Sat", 5, 6, 0);
  EXPECT_EQ(model.Take(event::OptionsAsked{}), Log{"open options Sat 0 "});
  const Log refused = model.Take(event::OptionsChosen{*ReadWeekdays("Fri"), "301", ""});
  EXPECT_EQ(refused, Log{"box Error: Fill in a gentle start between 0 and 300 seconds"});
  const Log taken =
      model.Take(event::OptionsChosen{*ReadWeekdays("Mon,Fri"), "20", "/m/a.ogg", true});
  for (const char* effect :
       {"close options", "save options Mon,Fri 20 /m/a.ogg", "log Alarm on for 7:00, Mon, Fri",
        "icon armed Alarm is on - Time: 7:00, Mon, Fri", "wake 03-05 07:00Z",
        "log warning: Nothing is at /m/a.ogg to wake with, for now",
        "box DawnQuill: There is no file or folder at\n\n/m/a.ogg\n\nUntil there is, the player "
        "plays what it has at the ring."}) {
    EXPECT_TRUE(Has(taken, effect)) << effect;
  }
  EXPECT_EQ(model.Take(event::Done<effect::SaveOptions>{{}, Failure{"Read-only."}}),
            (Log{"log error: The options could not be saved. Read-only.",
                 "box DawnQuill: The options could not be saved.\n\nRead-only."}));
}

}  // namespace
}  // namespace dawnquill::testing
