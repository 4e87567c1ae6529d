#pragma once

#include <chrono>
#include <functional>

#include <QTimer>

#include "interfaces/tick_timer.h"

namespace dawnquill {

// A precise single-shot QTimer. Qt's timers count on the monotonic clock, which the wall clock
// may run ahead of or behind by a few milliseconds, so a shot that comes before the instant by
// the wall clock is set again for the rest.
class QtTickTimer final : public TickTimer {
 public:
  using WallClock = std::function<std::chrono::system_clock::time_point()>;

  explicit QtTickTimer(WallClock now = std::chrono::system_clock::now);

  void SetFor(std::chrono::sys_seconds instant) override;
  void CancelTick() override { shot_.stop(); }
  void SetEvents(TickTimerEvents* events) override { events_ = events; }

 private:
  void SetForTheRest();

  WallClock now_;
  QTimer shot_;
  std::chrono::sys_seconds instant_{};
  TickTimerEvents* events_ = nullptr;
};

}  // namespace dawnquill
