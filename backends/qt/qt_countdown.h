#pragma once

#include <QTimer>

#include "interfaces/countdown.h"

namespace dawnquill {

class QtCountdown final : public Countdown {
 public:
  QtCountdown();

  void After(std::chrono::milliseconds delay, std::function<void()> due) override;
  void Cancel() override;

 private:
  QTimer timer_;
  std::function<void()> due_;
};

}  // namespace dawnquill
