#include "backends/qt/qt_tick_timer.h"

#include <algorithm>

namespace dawnquill {

using namespace std::chrono;

namespace {

// A timer's interval is an int of milliseconds; a longer wait is a shot that comes early.
constexpr milliseconds kLongestShot = hours{24};

}  // namespace

QtTickTimer::QtTickTimer(WallClock now) : now_(std::move(now)) {
  shot_.setSingleShot(true);
  shot_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&shot_, &QTimer::timeout, &shot_, [this] {
    if (now_() < instant_) return SetForTheRest();
    if (events_ != nullptr) events_->Tick();
  });
}

void QtTickTimer::SetFor(sys_seconds instant) {
  instant_ = instant;
  SetForTheRest();
}

void QtTickTimer::SetForTheRest() {
  const milliseconds rest = ceil<milliseconds>(instant_ - now_());
  shot_.start(std::clamp(rest, milliseconds{0}, kLongestShot));
}

}  // namespace dawnquill
