#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

struct LimitedEdit {
  std::u16string text;
  std::size_t cursor = 0;  // where the edit ended
  friend bool operator==(const LimitedEdit&, const LimitedEdit&) = default;
};

// An edit by the user that turned `before` into `after`, held to `limit` characters as a text box
// with a text limit holds it: what does not fit of an inserted text is cut off, so a typed
// character that does not fit is refused. A longer text that was there already (the program
// wrote it) stays whole and can only be shortened.
LimitedEdit LimitEdit(std::u16string_view before, std::u16string_view after, std::size_t limit);

}  // namespace dawnquill
