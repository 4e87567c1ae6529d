#include "player/mpris_names.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace dawnquill::mpris {
namespace {

TEST(MprisNames, OnlyMediaPlayersWakeTheUser) {
  // Browsers are left out by their first part alone, not by a name that starts like theirs.
  for (const char* name : {"mpv", "mpv.instance4242", "chromiumlike"}) {
    EXPECT_TRUE(IsWakingPlayer("org.mpris.MediaPlayer2." + std::string(name))) << name;
  }
  for (const char* name : {"org.mpris.MediaPlayer2.chromium.instance1", "org.mpris.MediaPlayer2.",
                           "org.mpris.MediaPlayer2.firefox.instance_1_20", "org.mpris.MediaPlayer2",
                           "org.freedesktop.DBus", ":1.42"}) {
    EXPECT_FALSE(IsWakingPlayer(name)) << name;
  }
}

// The first in sorted order that can play; with none able, the first; a lone player is never
// asked.
TEST(MprisNames, TheFirstWakingPlayerThatCanPlayIsChosen) {
  const std::string audacious = "org.mpris.MediaPlayer2.audacious";
  const std::string vlc = "org.mpris.MediaPlayer2.vlc";
  const std::vector<std::string> names{vlc, ":1.7", "org.mpris.MediaPlayer2.chromium.instance1",
                                       audacious};
  std::vector<std::string> asked;
  const auto only = [&](const std::string& able) {
    return [&, able](const std::string& name) {
      asked.push_back(name);
      return name == able;
    };
  };
  EXPECT_EQ(ChoosePlayer(names, only(audacious)), audacious);
  EXPECT_EQ(ChoosePlayer(names, only(vlc)), vlc);
  EXPECT_EQ(ChoosePlayer(names, only("none")), audacious);
  asked.clear();
  EXPECT_EQ(ChoosePlayer(std::vector<std::string>{vlc}, only("none")), vlc);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(ChoosePlayer(std::vector<std::string>{names[2]}, only("none")), std::nullopt);
}

}  // namespace
}  // namespace dawnquill::mpris
