#include "backends/win32/win32_player_volume.h"

#include <algorithm>
#include <cmath>

#include "backends/win32/win32_reason.h"
#include "core/call_limit.h"

namespace dawnquill {

// Bounded as the player's commands are: a hung player must not hold the alarm clock.
Result<LRESULT> Win32PlayerVolume::Ask(WPARAM wParam) {
  const HWND window = player_.Window();
  if (window == nullptr) return Failure{SystemReason(ERROR_INVALID_WINDOW_HANDLE)};
  DWORD_PTR answer = 0;
  SetLastError(ERROR_SUCCESS);
  if (SendMessageTimeoutA(window, WM_USER, wParam, kSetVolume, SMTO_ABORTIFHUNG, kCallLimitMs,
                          &answer) != 0) {
    return static_cast<LRESULT>(answer);
  }
  const DWORD error = GetLastError();
  return Failure{SystemReason(error == ERROR_SUCCESS ? ERROR_TIMEOUT : error)};
}

// A player that does not know the message answers 0, as a silent one would, or more than the
// scale holds.
Result<VolumeLevel> Win32PlayerVolume::Volume() {
  const Result<LRESULT> level = Ask(kReadVolume);
  if (!level) return Failure{level.Reason()};
  if (*level <= 0 || *level > kFull) return Failure{"the player does not say it"};
  return VolumeLevel{.level = static_cast<double>(*level), .full = kFull};
}

// The player's levels are whole.
Result<double> Win32PlayerVolume::SetVolume(double level) {
  const long whole = std::clamp(std::lround(level), 0L, static_cast<long>(kFull));
  const Result<LRESULT> set = Ask(static_cast<WPARAM>(whole));
  if (!set) return Failure{set.Reason()};
  return static_cast<double>(whole);
}

}  // namespace dawnquill
