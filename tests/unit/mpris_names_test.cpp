#include "player/mpris_names.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace dawnquill::mpris {
namespace {

// Browsers, the phone bridges and the proxy are left out by their first part alone, not by a name
// that starts like theirs.
TEST(MprisNames, OnlyTheComputersMediaPlayersWakeTheUser) {
  const struct {
    const char* name;
    bool wakes;
  } cases[] = {
      {"org.mpris.MediaPlayer2.mpv", true},
      {"org.mpris.MediaPlayer2.mpv.instance4242", true},
      {"org.mpris.MediaPlayer2.chromiumlike", true},
      {"org.mpris.MediaPlayer2.GSConnectish", true},
      {"org.mpris.MediaPlayer2.chromium.instance1", false},
      {"org.mpris.MediaPlayer2.firefox.instance_1_20", false},
      {"org.mpris.MediaPlayer2.kdeconnect.mpris_0123456789abcdef0123456789abcdef", false},
      {"org.mpris.MediaPlayer2.GSConnect.PixelSpotify", false},
      {"org.mpris.MediaPlayer2.playerctld", false},
      {"org.mpris.MediaPlayer2.", false},
      {"org.mpris.MediaPlayer2", false},
      {"org.freedesktop.DBus", false},
      {":1.42", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWakingPlayer(c.name), c.wakes) << c.name;
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
