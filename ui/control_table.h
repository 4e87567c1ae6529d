#pragma once

#include <span>
#include <string_view>

#include "core/texts.h"
#include "interfaces/form_view.h"

// A window described as data, so that any window kit can draw it. Positions and sizes are in
// twips: 1440 to the inch, 15 to the pixel at 96 dots per inch. The texts are English, and the
// kit translates them as it shows them.
namespace dawnquill {

enum class ControlKind {
  Timer,
  PushButton,
  Frame,
  TextBox,
  Label,
  ComboBox,
  CheckBox,
  Menu,
  MenuItem,
  MenuSeparator
};

struct Font {
  std::string_view face{};  // empty: the platform's default font
  int points = 0;
};

struct Control {
  ControlId id{};
  ControlKind kind = ControlKind::Label;
  ControlId container{};  // none: the window's client area
  Words caption{};        // of a label, button, frame or menu item; a box's first text
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = -1;  // -1: takes no focus
  Font font{};
  bool centred = false;  // label text centred instead of left-aligned
  int maxLength = 0;     // text box: characters the user may type or paste; 0 for no limit
  int interval = 0;      // timer: milliseconds
  // The texts the program writes into the control at run time besides its caption; the window
  // kit leaves room for each, with %1 filled by `widestValue`.
  std::span<const Words> written{};
  const char* widestValue = "";
  // What a screen reader calls a box that no label of its own names; empty: its label's text.
  Words accessibleName{};
  ControlId names{};  // a label: the one box it names, for the screen reader and its shortcut
  // A menu item: the key that chooses it while its window has the focus, as "Ctrl+,".
  std::string_view shortcut{};
};

struct FormLayout {
  std::string_view name{};
  Words caption{};
  int clientWidth = 0;
  int clientHeight = 0;
  bool minimiseButton = false;
  bool taskbarButton = true;
  bool aboveOthers = false;   // stays above other programs' windows while shown
  ControlId defaultButton{};  // clicked by Enter in a box; none for none
  ControlId cancelButton{};   // clicked by Escape; none for none
  ControlId firstFocus{};
  std::span<const Control> controls{};
};

}  // namespace dawnquill
