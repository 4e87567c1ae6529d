#include "backends/win32/win32_modality.h"

#include <algorithm>
#include <map>

namespace dawnquill {
namespace {

struct Hold {
  int count = 0;
  bool tookInput = false;  // before the first hold
};
std::map<HWND, Hold> holds;  // the one user-interface thread's

}  // namespace

OtherWindowsDisabled::OtherWindowsDisabled(HWND except) {
  std::erase_if(holds, [](const auto& hold) { return IsWindow(hold.first) == FALSE; });
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&held_));
  std::erase(held_, except);
  // Disabled again even where an earlier hold disabled it: a box that ends enables its owner,
  // though holds that are still live meant it to stay disabled.
  for (HWND window : held_) {
    Hold& hold = holds[window];
    if (hold.count++ == 0) hold.tookInput = IsWindowEnabled(window) != FALSE;
    EnableWindow(window, FALSE);
  }
}

OtherWindowsDisabled::~OtherWindowsDisabled() {
  for (HWND window : held_) {
    const auto hold = holds.find(window);
    if (hold == holds.end() || --hold->second.count > 0) continue;
    if (hold->second.tookInput && IsWindow(window)) EnableWindow(window, TRUE);
    holds.erase(hold);
  }
}

}  // namespace dawnquill
