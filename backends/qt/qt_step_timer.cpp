#include "backends/qt/qt_step_timer.h"

#include <utility>

namespace dawnquill {

QtStepTimer::QtStepTimer() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  // Handed over first: what it calls may ask for the next step.
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (const std::function<void()> due = std::exchange(due_, {})) due();
  });
}

void QtStepTimer::After(std::chrono::milliseconds delay, std::function<void()> due) {
  due_ = std::move(due);
  timer_.start(delay);
}

void QtStepTimer::Cancel() {
  timer_.stop();
  due_ = {};
}

}  // namespace dawnquill
