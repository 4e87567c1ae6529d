#pragma once

#include <vector>

#include "ui/control_table.h"

namespace dawnquill::testing {

// A window's control table with its timers sped up, so that minutes of alarm pass in moments.
struct FastLayout {
  FastLayout(const FormLayout& real, int interval) : layout(real) {
    controls.assign(real.controls.begin(), real.controls.end());
    for (Control& control : controls) {
      if (control.kind == ControlKind::Timer) control.interval = interval;
    }
    layout.controls = controls;
  }
  std::vector<Control> controls;
  FormLayout layout;
};

}  // namespace dawnquill::testing
