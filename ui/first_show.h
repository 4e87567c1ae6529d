#pragma once

namespace dawnquill {

// Where a window stands when it is shown. The first showing after an opening, and every modal one,
// centres it on its screen with the focus on its first control; a window brought back from the
// tray stays where the user left it, with the focus where it was.
class FirstShow {
 public:
  void Opened() { shown_ = false; }
  // Whether this showing centres the window and sets its focus.
  bool CentresAndFocuses(bool modal) {
    const bool first = !shown_;
    shown_ = true;
    return first || modal;
  }

 private:
  bool shown_ = false;
};

}  // namespace dawnquill
