#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "backends/catalogue/catalogue_texts.h"
#include "core/texts.h"
#include "ui/form_geometry.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

// What a window kit drew of every window in every language, measured in the kit's own fonts.
namespace dawnquill::testing {

// Runs `test` on each window with the texts of each compiled catalogue below `folder`, then in
// English (`english` true), and returns how many catalogues it found.
inline int InEveryLanguage(const std::filesystem::path& folder,
                           const std::function<void(const FormLayout&, bool english)>& test) {
  const auto everyWindow = [&](const std::string& language) {
    SCOPED_TRACE(language);
    for (const FormLayout* layout :
         {&main_window::Layout(), &wake_up_window::Layout(), &options_window::Layout()}) {
      test(*layout, language.empty());
    }
  };
  int found = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.path().extension() != ".mo") continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    const CatalogueTexts texts(bytes);
    SetTexts(&texts);
    everyWindow(entry.path().string());
    ++found;
  }
  SetTexts(nullptr);
  everyWindow("");
  return found;
}

// Each text no wider (`width`: in its control's font) than the room its control was drawn with
// leaves; in English the window as wide as its table says and each control where it puts it.
inline void ExpectFitted(const FormLayout& layout, int dpi, bool english, int clientWidth,
                         const std::function<int(const TextRoom&)>& width,
                         const std::function<std::optional<PixelRect>(ControlId)>& drawn) {
  for (const TextRoom& text : TextsToFit(layout, dpi)) {
    SCOPED_TRACE(text.text + " at " + std::to_string(dpi) + " dpi");
    const auto control = std::ranges::find(layout.controls, text.control, &Control::id);
    EXPECT_LE(width(text), text.pixels + drawn(text.control)->width - Pixels(control->width, dpi));
  }
  if (!english) return;
  EXPECT_EQ(clientWidth, Pixels(layout.clientWidth, dpi));
  for (const Control& control : layout.controls) {
    const PixelRect place = PlaceInWindow(layout, control, dpi);
    EXPECT_EQ(drawn(control.id).value_or(place), place);
  }
}

}  // namespace dawnquill::testing
