#include "core/ring_fade.h"

#include <cmath>

namespace dawnquill {

namespace {

// A player hands back what it was given through its own arithmetic (mpv keeps a float of
// percent): a change smaller than this share of its full volume is none.
constexpr double kSameLevel = 1e-6;

}  // namespace

double RingFade::Begin(double read, double full, int seconds) {
  if (!owed_) owed_ = read;
  full_ = full > 0 ? full : 1;
  start_ = held_ = *owed_ / 3;
  step_ = 0;
  steps_ = seconds;
  asking_ = false;
  rising_ = true;
  return start_;
}

bool RingFade::UserSet(double read) const { return std::abs(read - held_) > kSameLevel * full_; }

double RingFade::Next() {
  ++step_;
  if (Reached()) return *owed_;
  return start_ + (*owed_ - start_) * step_ / steps_;
}

int RingFade::Percent(double level) const {
  return static_cast<int>(std::lround(level / full_ * 100));
}

}  // namespace dawnquill
