#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

// Why a window is asked to close.
enum class CloseReason {
  User,        // the window's close button, its control menu or Alt+F4
  Program,     // the program unloads the window itself
  SessionEnd,  // log-off, shut-down, or the program told to end: it cannot be refused
};

// The widgets of one window, as a window kit draws them from a control table. Controls are
// addressed by their names in that table. Nothing here decides anything.
class FormView {
 public:
  virtual ~FormView() = default;

  // Creates the controls with the captions and texts of the table; every load starts afresh.
  virtual void Load() = 0;
  virtual void Show() = 0;
  // Shows the window modally and returns once Close() has run.
  virtual void ShowModal() = 0;
  virtual void Hide() = 0;
  virtual void Minimise() = 0;
  // Takes the window away for good; ends a modal showing.
  virtual void Close() = 0;

  // The caption of a label, button or frame, or the text of a box.
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;
  virtual void SetEnabled(std::string_view control, bool enabled) = 0;
  virtual void AddItem(std::string_view comboBox, std::string_view item) = 0;
  virtual void SetTimerEnabled(std::string_view timer, bool enabled) = 0;
  virtual void PopupMenu(std::string_view menu) = 0;
};

// What a window kit reports from one window. Defaults ignore the event.
class FormEvents {
 public:
  virtual ~FormEvents() = default;

  // Returns true when the window has been unloaded, false when the close was refused.
  virtual bool CloseRequested(CloseReason reason) = 0;
  virtual void Click(std::string_view /*control*/) {}
  // A key pressed on a control, with the text it produces (empty for Shift, arrows, F1 and
  // the like). Returns true when the key has been used up and the control must not see it.
  virtual bool KeyPress(std::string_view /*control*/, std::string_view /*keyText*/) {
    return false;
  }
  virtual void Timer(std::string_view /*timer*/) {}
  // The desktop asks whether the session may end (log-off, shut-down) before it ends it.
  // Returns false to refuse, so that the desktop asks the user first.
  virtual bool SessionMayEnd() { return true; }
  virtual void MenuClick(std::string_view /*menu*/, int /*index*/) {}
};

}  // namespace dawnquill
