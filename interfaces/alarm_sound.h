#pragma once

#include <functional>

#include "interfaces/result.h"

namespace dawnquill {

// The alarm's own sound, played over and over until it is stopped: the ring's sound for when the
// user's player cannot be heard.
class AlarmSound {
 public:
  // What became of the sound: success once it sounds, the reason when it cannot sound or stops
  // sounding on its own (the sound server went away). It may run before Start returns.
  using Reported = std::function<void(Result<>)>;

  virtual ~AlarmSound() = default;

  // Harmless while it sounds; after a failure it starts anew.
  virtual void Start(Reported reported) = 0;
  // Silent within half a second, and nothing is reported after it. Harmless while it is quiet.
  virtual void Stop() = 0;
};

}  // namespace dawnquill
