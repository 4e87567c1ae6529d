#include "backends/win32/win32_tick_timer.h"

#include <algorithm>
#include <utility>

#include "backends/win32/win32_desktop.h"

namespace dawnquill {
namespace {

constexpr long long kStepsPerMillisecond = 10'000;
// A longer wait than USER_TIMER_MAXIMUM is a shot that comes early.
constexpr long long kLongestShot = 24LL * 3600 * 1000;

// A thread timer's callback is given no object; the program has one tick timer.
Win32TickTimer* setter = nullptr;

long long StepsNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return static_cast<long long>(now.dwHighDateTime) << 32 | now.dwLowDateTime;
}

}  // namespace

// A shot already in the queue as the timer is killed still comes, and finds nobody.
Win32TickTimer::~Win32TickTimer() {
  CancelTick();
  if (setter == this) setter = nullptr;
}

void Win32TickTimer::SetFor(std::chrono::sys_seconds instant) {
  instant_ = FileTimeSteps(instant);
  SetForTheRest();
}

void Win32TickTimer::CancelTick() {
  if (shot_ != 0) KillTimer(nullptr, std::exchange(shot_, 0));
}

void Win32TickTimer::SetForTheRest() {
  CancelTick();
  const long long rest = (instant_ - StepsNow() + kStepsPerMillisecond - 1) / kStepsPerMillisecond;
  setter = this;
  shot_ = SetTimer(nullptr, 0, static_cast<UINT>(std::clamp(rest, 0LL, kLongestShot)), Shot);
}

void CALLBACK Win32TickTimer::Shot(HWND /*window*/, UINT /*message*/, UINT_PTR shot,
                                   DWORD /*time*/) {
  KillTimer(nullptr, shot);
  Win32TickTimer* self = setter;
  if (self == nullptr || self->shot_ != shot) return;
  self->shot_ = 0;
  if (StepsNow() < self->instant_) return self->SetForTheRest();
  if (self->events_ != nullptr) self->events_->Tick();
}

}  // namespace dawnquill
