#pragma once

#include <functional>

#include <QTimer>

#include "interfaces/countdown.h"

namespace dawnquill {

// The ring's short waits on a precise single-shot timer: Qt's coarse one may be 5 % late.
class QtCountdown final : public Countdown {
 public:
  QtCountdown();
  void Start(std::chrono::milliseconds delay, std::function<void()> done) override;

 private:
  QTimer timer_;
  std::function<void()> done_;
};

}  // namespace dawnquill
