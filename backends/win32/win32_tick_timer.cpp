#include "backends/win32/win32_tick_timer.h"

#include <algorithm>

#include "backends/win32/win32_desktop.h"

namespace dawnquill {
namespace {

constexpr long long kStepsPerMillisecond = 10'000;
// A longer wait than USER_TIMER_MAXIMUM is a shot that comes early.
constexpr long long kLongestShot = 24LL * 3600 * 1000;

long long StepsNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return static_cast<long long>(now.dwHighDateTime) << 32 | now.dwLowDateTime;
}

}  // namespace

void Win32TickTimer::SetFor(std::chrono::sys_seconds instant) {
  instant_ = FileTimeSteps(instant);
  SetForTheRest();
}

void Win32TickTimer::SetForTheRest() {
  const long long rest = (instant_ - StepsNow() + kStepsPerMillisecond - 1) / kStepsPerMillisecond;
  shot_.After(std::chrono::milliseconds{std::clamp(rest, 0LL, kLongestShot)}, [this] {
    if (StepsNow() < instant_) return SetForTheRest();
    if (events_ != nullptr) events_->Tick();
  });
}

}  // namespace dawnquill
