#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "interfaces/alarm_sound.h"
#include "interfaces/event_pass.h"
#include "interfaces/player_listener.h"

namespace dawnquill {

// Keeps a ring heard. Once the player has been told to play, and at every tick while the ring
// lasts, it asks whether the player can be heard. While the player is known to be silent (nothing
// to play, a list run out, its volume at 0, gone) the alarm sounds its own sound, and it stops as
// soon as the player is heard. What cannot be told counts as heard: the user's music is the ring,
// and the own sound only stands in for it.
class RingHearing {
 public:
  RingHearing(PlayerListener& listener, AlarmSound& sound, EventPass& events)
      : listener_(listener), sound_(sound), events_(events) {}

  // The ring began; `played`: a player had the command to play. The first question waits for
  // the event loop, so that the ring's window comes first.
  void Begin(bool played);
  // A tick while the ring lasts; `playerRuns`: the tick found the player. Nothing outside a ring.
  void Check(bool playerRuns);
  // The ring ended: a snooze, off, or the program's end. The own sound stops at once.
  void End();

 private:
  void Listen();
  void DropAnswers();
  std::string_view Silence(const PlayerSound& sound);
  void Decide(std::string_view silence);

  PlayerListener& listener_;
  AlarmSound& sound_;
  EventPass& events_;
  bool ringing_ = false;
  // An answer counts only if this has not moved since its question: the ring has not ended, and
  // the player has not gone.
  unsigned round_ = 0;
  bool listening_ = false;
  bool sounding_ = false;
  bool toldMuted_ = false;
  std::optional<std::int64_t> lastPosition_;
  bool positionMoved_ = false;  // some players report a position that never moves
  bool lastQuiet_ = false;
};

}  // namespace dawnquill
