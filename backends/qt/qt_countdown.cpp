#include "backends/qt/qt_countdown.h"

#include <utility>

namespace dawnquill {

QtCountdown::QtCountdown() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  // Handed over first: what it calls may ask for the next step.
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (const std::function<void()> due = std::exchange(due_, {})) due();
  });
}

void QtCountdown::After(std::chrono::milliseconds delay, std::function<void()> due) {
  due_ = std::move(due);
  timer_.start(delay);
}

void QtCountdown::Cancel() {
  timer_.stop();
  due_ = {};
}

}  // namespace dawnquill
