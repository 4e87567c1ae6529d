#include "player/mpris_names.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace dawnquill::mpris {
namespace {

TEST(MprisNames, OnlyMediaPlayersWakeTheUser) {
  const std::pair<const char*, bool> cases[] = {
      {"org.mpris.MediaPlayer2.mpv", true},
      {"org.mpris.MediaPlayer2.mpv.instance4242", true},
      {"org.mpris.MediaPlayer2.audacious", true},
      {"org.mpris.MediaPlayer2.chromium.instance1", false},
      {"org.mpris.MediaPlayer2.firefox.instance_1_20", false},
      {"org.mpris.MediaPlayer2.kdeconnect.mpris_1", false},
      {"org.mpris.MediaPlayer2.playerctld", false},
      {"org.mpris.MediaPlayer2.plasma-browser-integration", false},
      {"org.mpris.MediaPlayer2.chromiumlike", true},  // only the whole first part counts
      {"org.mpris.MediaPlayer2.", false},
      {"org.mpris.MediaPlayer2", false},
      {"org.freedesktop.DBus", false},
      {":1.42", false},
  };
  for (const auto& [name, wakes] : cases) EXPECT_EQ(IsWakingPlayer(name), wakes) << name;
}

TEST(MprisNames, TheFirstWakingPlayerInSortedOrderIsChosen) {
  const std::vector<std::string> names{"org.mpris.MediaPlayer2.vlc", ":1.7",
                                       "org.mpris.MediaPlayer2.chromium.instance1",
                                       "org.mpris.MediaPlayer2.audacious"};
  EXPECT_EQ(ChoosePlayer(names), "org.mpris.MediaPlayer2.audacious");
  const std::vector<std::string> decoys{"org.mpris.MediaPlayer2.kdeconnect.mpris_1"};
  EXPECT_EQ(ChoosePlayer(decoys), std::nullopt);
}

}  // namespace
}  // namespace dawnquill::mpris
