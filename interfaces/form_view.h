#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace dawnquill {

// A window's controls are listed by an enum class of its own; a list opts in with
// kIsControlList, so that only a real control of some window converts to a ControlId.
template <typename List>
inline constexpr bool kIsControlList = false;

// Which list a control id comes from: one tag for each window's list of controls.
template <typename List>
inline constexpr char kControlListTag = 0;

// One control of a window, as the window kit knows it. It keeps the list it comes from, so that a
// control of one window never stands for one of another.
struct ControlId {
  const char* list = nullptr;  // none: no control
  int value = -1;

  constexpr ControlId() = default;
  template <typename List>
  requires kIsControlList<List>
  constexpr ControlId(List control)  // NOLINT(*-explicit-*)
      : list(&kControlListTag<List>), value(static_cast<int>(control)) {}
  friend constexpr bool operator==(ControlId, ControlId) = default;
  friend constexpr bool operator<(ControlId a, ControlId b) {
    return a.list != b.list ? std::less<>()(a.list, b.list) : a.value < b.value;
  }
};

// Why a window is asked to close.
enum class CloseReason {
  User,        // the window's close button, its control menu or Alt+F4
  Program,     // the program closes the window itself
  SessionEnd,  // log-off, shut-down, or the program told to end: it cannot be refused
};

// The answer to a close request.
enum class CloseVerdict { Close, Keep };

// What became of a key pressed on a control.
enum class KeyResult {
  Used,    // the control must not see it
  PassOn,  // the control handles it as it would
};

class FormEvents;

// The widgets of one window, as a window kit draws them from a control table. Nothing here
// decides anything.
class FormView {
 public:
  virtual ~FormView() = default;

  // Creates the controls with the captions and texts of the table; every opening starts afresh.
  virtual void Open() = 0;
  virtual void Show() = 0;
  // Shows the window modal to the whole program and returns at once: the
  // program's other windows take no input until Close().
  virtual void ShowModal() = 0;
  virtual void Hide() = 0;
  virtual void Minimise() = 0;
  // Takes the window away for good; ends a modal showing.
  virtual void Close() = 0;

  // The caption of a label, button or frame, or the text of a box.
  virtual std::string Text(ControlId control) const = 0;
  virtual void SetText(ControlId control, std::string_view text) = 0;
  virtual void SetEnabled(ControlId control, bool enabled) = 0;
  virtual bool Checked(ControlId checkBox) const = 0;
  virtual void SetChecked(ControlId checkBox, bool checked) = 0;
  virtual void AddListItem(ControlId comboBox, std::string_view item) = 0;
  virtual void SetTimerEnabled(ControlId timer, bool enabled) = 0;
  virtual void OpenMenu(ControlId menu) = 0;
  // Where the user's doings go; none before the program is wired.
  virtual void SetEvents(FormEvents* events) = 0;
};

// What a window kit reports from one window. Defaults ignore the event.
class FormEvents {
 public:
  virtual ~FormEvents() = default;

  virtual CloseVerdict CloseRequested(CloseReason reason) = 0;
  // A button pressed or a menu item chosen.
  virtual void Click(ControlId /*control*/) {}
  // A key pressed on a control, with the text it produces (empty for Shift, arrows, F1 and
  // the like).
  virtual KeyResult Key(ControlId /*control*/, std::string_view /*keyText*/) {
    return KeyResult::PassOn;
  }
  virtual void Timer(ControlId /*timer*/) {}
  // The desktop asks whether the session may end (log-off, shut-down) before it ends it.
  // Returns false to refuse, so that the desktop asks the user first.
  virtual bool SessionMayEnd() { return true; }
};

}  // namespace dawnquill
