#include "backends/win32/win32_countdown.h"

#include <utility>

namespace dawnquill {
namespace {

Win32Countdown* running = nullptr;

}  // namespace

Win32Countdown::~Win32Countdown() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  if (running == this) running = nullptr;
}

// A timer of no window takes a new id each time, so the running one goes first.
void Win32Countdown::Start(std::chrono::milliseconds delay, std::function<void()> done) {
  if (timer_ != 0) KillTimer(nullptr, std::exchange(timer_, 0));
  done_ = std::move(done);
  running = this;
  timer_ = SetTimer(nullptr, 0, static_cast<UINT>(delay.count()), &Win32Countdown::Elapsed);
}

void CALLBACK Win32Countdown::Elapsed(HWND /*window*/, UINT /*message*/, UINT_PTR timer,
                                      DWORD /*time*/) {
  KillTimer(nullptr, timer);
  if (running == nullptr || running->timer_ != timer) return;
  running->timer_ = 0;
  std::exchange(running->done_, nullptr)();
}

}  // namespace dawnquill
