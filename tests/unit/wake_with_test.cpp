#include "core/wake_with.h"

#include <gtest/gtest.h>

#include "fakes/alarm_model.h"

// What plays at the ring: the chosen track handed over, proved, or given up for the player's own.
namespace dawnquill::testing {
namespace {

TEST(WakeWith, PathsBecomeEscapedFileUrisAndTheTrackIsKnownHoweverThePlayerEscapesIt) {
  struct Case {
    std::string chosen, uri, path;
  };
  for (const Case& c : std::vector<Case>{
           {"/m/a b#1%.ogg", "file:///m/a%20b%231%25.ogg", "/m/a b#1%.ogg"},
           {"/m/\xc3\xa9t\xc3\xa9", "file:///m/%C3%A9t%C3%A9", "/m/\xc3\xa9t\xc3\xa9"},
           {"C:\\Music\\a b.mp3", "file:///C:/Music/a%20b.mp3", "C:\\Music\\a b.mp3"},
           {"file:///m/a%20b.ogg", "file:///m/a%20b.ogg", "/m/a b.ogg"},
           {"https://radio.example/live", "https://radio.example/live", ""},
       }) {
    EXPECT_EQ(TrackFor(c.chosen), (Track{c.uri, c.path})) << c.chosen;
  }
  const Track file = TrackFor("/m/a b.ogg");
  const Track folder = TrackFor("/m/morning/");
  struct Playing {
    const Track& chosen;
    std::string url;
    bool chosenOne;
  };
  for (const Playing& p : std::vector<Playing>{
           {file, "/m/a b.ogg", true},
           {file, "file:///m/a%20b.ogg.part", false},
           {folder, "file:///m/morning/one.ogg", true},
           {folder, "file:///m/morningstar/one.ogg", false},
       }) {
    EXPECT_EQ(IsChosenTrack(p.chosen, p.url), p.chosenOne) << p.chosen.uri << " " << p.url;
  }
}

struct Morning : Model {
  explicit Morning(const std::string& wakeWith, const std::string& gentleSeconds = "0") {
    Take(event::OptionsChosen{{}, gentleSeconds, wakeWith});
    Arm(7, 0);
  }
  // What the ring calls for where the player would be told to play.
  std::string Ring(int minute = 0) { return Tick(7, minute, 3).at(1); }
  Log Opened(Result<std::optional<ListEntry>> result, const std::string& uri) {
    return Take(event::Done<effect::Open, std::optional<ListEntry>>{
        {.uri = uri, .path = {}, .again = {}, .attempt = ++opening}, std::move(result)});
  }
  Log Proved(Result<PlayingNow> now) {
    return Take(event::Done<effect::ProveTrack, PlayingNow>{{.after = {}, .attempt = opening},
                                                            std::move(now)});
  }
  unsigned opening = 0;
};

const std::string kUri = "file:///m/a%20b.ogg";

// The player is told to play once it answers about the track and, where it took it, once what it
// holds two seconds on is known: the chosen track, or whatever it has. Nothing is asked of the
// ring's hearing before that, since a player loading a track is silent.
TEST(WakeWith, ThePlayerPlaysTheTrackItIsSeenToHoldOrWhatItHas) {
  const std::string notHeld = "log warning: The player does not hold /m/a b.ogg two seconds on (";
  const std::string own = "): it plays what it has";
  struct Case {
    Result<std::optional<ListEntry>> opened;
    std::optional<Result<PlayingNow>> now;  // none: not taken, nothing to prove
    std::string told;
  };
  const std::optional<ListEntry> took;
  for (Case& c : std::vector<Case>{
           {took, PlayingNow{kUri, {}}, "log The player holds /m/a b.ogg"},
           {took, PlayingNow{"file:///m/old.ogg", {}},
            notHeld + "it holds file:///m/old.ogg" + own},
           {took, PlayingNow{}, notHeld + "it names no track" + own},
           {took, Failure{"no reply"}, notHeld + "no reply" + own},
           {Failure{"/m/a b.ogg is not there"}, std::nullopt,
            "log warning: The player was not given /m/a b.ogg: /m/a b.ogg is not there; it plays "
            "what it has"},
       }) {
    SCOPED_TRACE(c.told);
    Morning morning("/m/a b.ogg");
    EXPECT_EQ(morning.Ring(), "open " + kUri);
    EXPECT_EQ(morning.Tick(7, 0, 8), Log{"icon refreshed"}) << "the answer is awaited";
    Log told = morning.Opened(c.opened, kUri);
    if (c.now) {
      EXPECT_EQ(told, (Log{"log The player took /m/a b.ogg", "prove in 2000 ms"}));
      EXPECT_EQ(morning.Tick(7, 0, 13), Log{"icon refreshed"}) << "the proof is awaited";
      told = morning.Proved(*c.now);
    }
    EXPECT_EQ(told, (Log{c.told, "play"}));
    EXPECT_EQ(morning.Take(event::Done<effect::Play>{}),
              (Log{"log Ringing for 7:00: the player was told to play", "listen"}));
    EXPECT_EQ(morning.Proved(PlayingNow{kUri, {}}), Log{}) << "a proof that came twice";
  }
}

// A player that keeps a list says where it put the track; the next ring selects it again, and
// the list's place proves it where the player names no URL.
TEST(WakeWith, TheListsEntryIsKeptForTheNextRing) {
  Morning morning("C:\\Music\\a.mp3");
  const std::string uri = "file:///C:/Music/a.mp3";
  EXPECT_EQ(morning.Ring(), "open " + uri);
  morning.Opened(std::optional<ListEntry>{ListEntry{.index = 3, .length = 4}}, uri);
  EXPECT_EQ(morning.Proved(PlayingNow{.url = {}, .position = 3}),
            (Log{"log The player holds C:\\Music\\a.mp3", "play"}));
  morning.Take(event::Snooze{});
  EXPECT_EQ(morning.Ring(9), "open " + uri + " again at 3 of 4");
  morning.Opened(std::optional<ListEntry>{ListEntry{.index = 3, .length = 4}}, uri);
  EXPECT_EQ(morning.Proved(PlayingNow{.url = {}, .position = 2}).front(),
            "log warning: The player does not hold C:\\Music\\a.mp3 two seconds on (its list is at "
            "entry 2): it plays what it has")
      << "another entry selected";
}

// The player is turned down before it is handed the track, since many start what they are handed
// at once; the fade rises meanwhile.
TEST(WakeWith, AGentleStartTurnsThePlayerDownFirst) {
  Morning morning("/m/a b.ogg", "3");
  EXPECT_EQ(morning.Ring(), "read volume");
  EXPECT_EQ(morning.Take(event::Done<effect::ReadVolume, VolumeLevel>{{1}, VolumeLevel{0.9, 1}}),
            (Log{"volume 0.3 start", "open " + kUri}));
}

}  // namespace
}  // namespace dawnquill::testing
