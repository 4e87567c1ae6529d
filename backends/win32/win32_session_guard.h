#pragma once

#include <windows.h>

namespace dawnquill {

// One program per user session: a named mutex in the session's namespace tells a second start,
// which then hands over to the first through its main window. The messages are registered, so
// the installer can send them too.
class Win32SessionGuard {
 public:
  // Asks a program to bring its main window forward.
  static UINT ComeForwardMessage();
  // Asks a program to end: with wParam 0 for an update, keeping its alarm for the program that
  // follows; with wParam 1 for good, the alarm turned off first.
  static UINT EndMessage();

  Win32SessionGuard();
  ~Win32SessionGuard();
  Win32SessionGuard(const Win32SessionGuard&) = delete;
  Win32SessionGuard& operator=(const Win32SessionGuard&) = delete;

  // False when another program of this user's session runs.
  bool First() const { return first_; }
  // Lets the first program take the foreground, which only the process the user just started
  // may hand on, and asks it to come forward.
  static void BringFirstForward();

 private:
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};

}  // namespace dawnquill
