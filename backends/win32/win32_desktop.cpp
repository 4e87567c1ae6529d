#include "backends/win32/win32_desktop.h"

#include <deque>
#include <iterator>

#include <windows.h>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_reason.h"
#include "backends/win32/win32_text.h"

namespace dawnquill {
namespace {

std::deque<std::function<void()>> later;  // the one user-interface thread's

void CALLBACK RunLater(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  KillTimer(nullptr, timer);
  while (!later.empty()) {
    const std::function<void()> work = std::move(later.front());
    later.pop_front();
    work();
  }
}

}  // namespace

void Win32EventPass::Later(std::function<void()> work) {
  if (later.empty()) SetTimer(nullptr, 0, 0, RunLater);
  later.push_back(std::move(work));
}

WallTime Win32Clock::Now() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond, now.wYear, now.wMonth, now.wDay};
}

namespace {

// FILETIME counts 100-nanosecond steps since 1601.
constexpr long long kStepsTo1970 = 116444736000000000LL;
constexpr long long kStepsPerSecond = 10'000'000;

}  // namespace

long long FileTimeSteps(std::chrono::sys_seconds instant) {
  return instant.time_since_epoch().count() * kStepsPerSecond + kStepsTo1970;
}

std::chrono::sys_seconds Win32Clock::Utc() const {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const long long steps =
      (static_cast<long long>(now.dwHighDateTime) << 32 | now.dwLowDateTime) - kStepsTo1970;
  return std::chrono::sys_seconds{std::chrono::seconds{steps / kStepsPerSecond}};
}

// By the zone's rules for the date, summer time included, not only today's offset.
WallTime Win32Clock::LocalAt(std::chrono::sys_seconds instant) const {
  const long long steps = FileTimeSteps(instant);
  const FILETIME file{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
  SYSTEMTIME utc;
  SYSTEMTIME local;
  if (!FileTimeToSystemTime(&file, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return Now();
  }
  return {local.wHour, local.wMinute, local.wSecond, local.wYear, local.wMonth, local.wDay};
}

// The sign-out screen's reason is shown whether or not the computer can be held awake.
void Win32SleepInhibitor::Hold(std::string_view reason, Awake awake, Answered answered) {
  if (HWND window = mainWindow_.Window()) ShutdownBlockReasonCreate(window, Wide(reason).c_str());
  SetLastError(ERROR_SUCCESS);
  if (SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED |
                              (awake == Awake::ComputerAndScreen ? ES_DISPLAY_REQUIRED : 0)) == 0) {
    return answered(LastFailure());
  }
  answered({});
}

void Win32SleepInhibitor::Release() {
  SetThreadExecutionState(ES_CONTINUOUS);
  if (HWND window = mainWindow_.Window()) ShutdownBlockReasonDestroy(window);
}

std::string LocaleDecimalSeparator() {
  wchar_t separator[8] = L".";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, std::size(separator));
  return Utf8(separator);
}

}  // namespace dawnquill
