#pragma once

#include <QTimer>

#include "interfaces/step_timer.h"

namespace dawnquill {

class QtStepTimer final : public StepTimer {
 public:
  QtStepTimer();

  void After(std::chrono::milliseconds delay, std::function<void()> due) override;
  void Cancel() override;

 private:
  QTimer timer_;
  std::function<void()> due_;
};

}  // namespace dawnquill
