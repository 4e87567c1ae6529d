#pragma once

namespace dawnquill {

// The alarm's own sound, played over and over until it is stopped: the ring's sound for when the
// user's player cannot be heard.
class AlarmSound {
 public:
  virtual ~AlarmSound() = default;

  // Harmless while it sounds.
  virtual void Start() = 0;
  // Harmless while it is quiet.
  virtual void Stop() = 0;
};

}  // namespace dawnquill
