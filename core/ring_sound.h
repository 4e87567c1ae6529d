#pragma once

#include <string_view>

#include "core/ring_hearing.h"
#include "interfaces/ring_notice.h"
#include "player/player_remote.h"

namespace dawnquill {

// What sounds while the alarm rings: the player, the desktop's notice of the ring, and the
// alarm's own sound while the player cannot be heard.
class RingSound {
 public:
  RingSound(PlayerRemote& player, RingHearing& hearing, RingNotice& notice)
      : player_(player), hearing_(hearing), notice_(notice) {}

  void Start() { hearing_.Begin(player_.Play()); }
  // `due`: when the alarm or the snooze was due, as the status writes it.
  void Announce(std::string_view due) { notice_.Show(due); }
  // The own sound first, the player after: the player may take up to a call's bound to answer.
  void Stop() {
    hearing_.End();
    player_.Stop();
  }
  // However the ring ended: a snooze, off, or the program's end.
  void Ended() {
    hearing_.End();
    notice_.Close();
  }

 private:
  PlayerRemote& player_;
  RingHearing& hearing_;
  RingNotice& notice_;
};

}  // namespace dawnquill
