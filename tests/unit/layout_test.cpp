#include <set>

#include <gtest/gtest.h>

#include "ui/alarm/frm_alarm_layout.h"
#include "ui/main/frm_main_layout.h"

namespace dawnquill {
namespace {

const Control* Find(const FormLayout& layout, std::string_view name) {
  for (const Control& control : layout.controls)
    if (control.name == name) return &control;
  return nullptr;
}

// Mistakes a table can hide: a control that sticks out of its frame or window, a tab index used
// twice, a default button or first focus that names no control.
TEST(Layouts, ControlsFitTheirContainersAndTabIndexesAreUnique) {
  for (const FormLayout* layout : {&frm_main::Layout(), &frm_alarm::Layout()}) {
    SCOPED_TRACE(layout->name);
    std::set<int> tabIndexes;
    for (const Control& control : layout->controls) {
      if (control.tabIndex >= 0) {
        EXPECT_TRUE(tabIndexes.insert(control.tabIndex).second) << control.name;
      }
      if (control.width == 0) continue;  // timers, image lists and menus are not drawn
      int width = layout->clientWidth;
      int height = layout->clientHeight;
      if (!control.container.empty()) {
        const Control* frame = Find(*layout, control.container);
        ASSERT_NE(frame, nullptr) << control.name;
        width = frame->width;
        height = frame->height;
      }
      EXPECT_LE(control.left + control.width, width) << control.name;
      EXPECT_LE(control.top + control.height, height) << control.name;
    }
    if (!layout->defaultButton.empty()) {
      EXPECT_NE(Find(*layout, layout->defaultButton), nullptr);
    }
    EXPECT_NE(Find(*layout, layout->firstFocus), nullptr);
  }
}

}  // namespace
}  // namespace dawnquill
