#include "backends/qt/qt_countdown.h"

namespace dawnquill {

QtCountdown::QtCountdown() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { std::exchange(done_, nullptr)(); });
}

void QtCountdown::Start(std::chrono::milliseconds delay, std::function<void()> done) {
  done_ = std::move(done);
  timer_.start(delay);
}

}  // namespace dawnquill
