#pragma once

#include <string_view>
#include <vector>

#include "ui/control_table.h"

namespace dawnquill {

// A text in the window's own font and the pixels it must fit in.
struct TextRoom {
  std::string_view text;
  int pixels = 0;
};

// Every caption in the window's own font, and every text the program will write there, with the
// room its control leaves for it. The layout was made for a narrow 8-point face: a window kit
// whose default font is wider makes it smaller until all of these fit.
std::vector<TextRoom> TextsToFit(const FormLayout& layout);

}  // namespace dawnquill
