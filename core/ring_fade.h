#pragma once

#include <chrono>
#include <optional>

namespace dawnquill {

// The gentle start of a ring: the player's volume set to a third of its level before it plays,
// then raised in equal steps a second apart back to that level, in the player's own units. The
// level is owed to the player until the fade reaches it, the ring ends, or the user sets one of
// their own; a fade that a crash cut short is owed from the kept alarm.
class RingFade {
 public:
  static constexpr std::chrono::milliseconds kStep{1000};

  // A new fade, whose effects carry this number: an answer about an older one is stale.
  unsigned Ask() {
    asking_ = true;
    rising_ = false;
    return ++fade_;
  }
  unsigned Id() const { return fade_; }
  // The player's level is being read, and the ring's play waits for it.
  bool Asking() const { return asking_; }

  // From the level read, or the one owed, over `seconds`; returns the level to start at.
  double Begin(double read, double full, int seconds);
  // The level the player holds now, as it answered a step.
  void Took(double level) { held_ = level; }
  // A reading that is not the level last taken was the user's own.
  bool UserSet(double read) const;
  // The next step's level; the last is the level owed, exactly.
  double Next();
  bool Reached() const { return step_ >= steps_; }
  bool Rising() const { return rising_; }
  // A fade of this run has read the player's scale.
  bool Read() const { return steps_ > 0; }

  // No more steps; the level is owed still.
  void Halt() { asking_ = rising_ = false; }
  // No more steps, and nothing owed: the player is at its level, or at the user's.
  void Stop() {
    Halt();
    owed_.reset();
  }
  // Ends the fade; returns the level to set back, if any is owed.
  std::optional<double> Settle() {
    const std::optional<double> owed = owed_;
    Stop();
    return owed;
  }

  void Owe(double level) { owed_ = level; }
  std::optional<double> Owed() const { return owed_; }

  // A level as a whole percentage of the player's full volume.
  int Percent(double level) const;
  double Target() const { return owed_.value_or(0); }
  double Start() const { return start_; }

 private:
  unsigned fade_ = 0;
  bool asking_ = false;
  bool rising_ = false;
  std::optional<double> owed_;
  double full_ = 1;
  double start_ = 0;
  double held_ = 0;
  int step_ = 0;
  int steps_ = 0;
};

}  // namespace dawnquill
