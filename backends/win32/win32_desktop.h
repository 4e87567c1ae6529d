#pragma once

#include <string>

#include "interfaces/clock.h"
#include "interfaces/desktop_notice.h"
#include "interfaces/event_pass.h"
#include "interfaces/ring_notice.h"
#include "interfaces/sleep_inhibitor.h"

namespace dawnquill {

class Win32FormView;

class Win32EventPass final : public EventPass {
 public:
  // Through a thread timer, which every message loop dispatches, a message box's too.
  void Later(std::function<void()> work) override;
};

class Win32Clock final : public Clock {
 public:
  WallTime Now() const override;
  std::chrono::sys_seconds Utc() const override;
  WallTime LocalAt(std::chrono::sys_seconds instant) const override;
};

// Keeps the system from sleeping for inactivity while held; a sleep the user asks for goes ahead.
// The reason is also what Windows shows on its sign-out screen while the main window refuses to
// let the session end.
class Win32SleepInhibitor final : public SleepInhibitor {
 public:
  explicit Win32SleepInhibitor(const Win32FormView& mainWindow) : mainWindow_(mainWindow) {}
  ~Win32SleepInhibitor() override { Release(); }
  Win32SleepInhibitor(const Win32SleepInhibitor&) = delete;
  Win32SleepInhibitor& operator=(const Win32SleepInhibitor&) = delete;
  void Hold(std::string_view reason, Awake awake, Answered answered) override;
  void Release() override;

 private:
  const Win32FormView& mainWindow_;
};

// Windows has its own way to put the ring before the user: the wake-up window stays above every
// other window, and the ring turns the screen on. No notice besides, and none is missing; what
// cannot be asked in a box is in the log.
class Win32RingNotice final : public RingNotice, public DesktopNotice {
 public:
  void Show(std::string_view /*time*/, Answered answered) override { answered({}); }
  void Close() override {}
  void SetEvents(RingNoticeEvents* /*events*/) override {}
  Result<> Tell(std::string_view /*text*/) override { return {}; }
};

// An instant as FILETIME counts it: 100-nanosecond steps since 1601.
long long FileTimeSteps(std::chrono::sys_seconds instant);

// The user's decimal separator, for numbers the program writes.
std::string LocaleDecimalSeparator();

}  // namespace dawnquill
