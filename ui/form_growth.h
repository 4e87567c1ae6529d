#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control_table.h"

namespace dawnquill {

// A window's layout with room for the texts that its font, made as small as it may be, still
// does not fit: each such control wider by what it lacks, the controls right of it on its row
// moved over by as much, and a frame, then the window, wider by as far as its controls now pass
// the right edge the widest of them had. Where every text fits, the layout stays as it is.
class GrownForm {
 public:
  // `width`: a text's width in pixels in the window's font, as the window kit measures it.
  GrownForm(const FormLayout& layout, int dpi, const std::function<int(const std::string&)>& width);
  GrownForm(const GrownForm&) = delete;
  GrownForm& operator=(const GrownForm&) = delete;

  const FormLayout& Layout() const { return layout_; }
  // The grown control of that id.
  const Control& Of(ControlId control) const;

 private:
  // Moves the container's controls over for those that grow, and returns how much wider the
  // container must be.
  int Spread(const FormLayout& before, ControlId container, const std::vector<int>& growth);

  std::vector<Control> controls_;
  FormLayout layout_;
};

}  // namespace dawnquill
