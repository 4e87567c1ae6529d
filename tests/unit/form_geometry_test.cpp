#include "ui/form_geometry.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "ui/main/main_window_layout.h"
#include "ui/text_limit.h"

namespace dawnquill::testing {
namespace {

const Control& Find(MainControl id) {
  for (const Control& control : main_window::Layout().controls) {
    if (control.id == id) return control;
  }
  throw std::logic_error("no such control");
}

// A frame's controls are placed by its corner where the kit does not nest them; at 144 dpi every
// size grows by half. The font shrinks in steps until it fits, and no further than the smallest.
// (The tab order is proven end to end, where the tests type from box to box with Tab.)
TEST(FormGeometry, PlacesControlsAtAnyScaleAndShrinksTheFontUntilItFits) {
  const FormLayout& layout = main_window::Layout();
  const Control& delayBox = Find(MainControl::DelayBox);
  EXPECT_EQ(Place(delayBox), (PixelRect{80, 16, 25, 19}));
  EXPECT_EQ(PlaceInWindow(layout, delayBox), (PixelRect{96, 112, 25, 19}));
  EXPECT_EQ(PlaceInWindow(layout, delayBox, 144), (PixelRect{144, 168, 37, 28}));
  EXPECT_EQ(FittingSize(9, 6.5, 0.5, [](double size) { return size <= 8; }), 8);
  EXPECT_EQ(FittingSize(9, 6.5, 0.5, [](double) { return false; }), 6.5);
}

// The user's edits are held to the limit; the program's own longer text can only shrink.
TEST(TextLimit, TypingAndPastingStopAtTheLimit) {
  const struct {
    std::u16string before, after;
    LimitedEdit result;
  } cases[] = {
      {u"", u"9", {u"9", 1}},      {u"9", u"91", {u"91", 2}},   {u"91", u"912", {u"91", 2}},
      {u"", u"345", {u"34", 2}},   {u"12", u"1a2", {u"12", 1}}, {u"100", u"1005", {u"100", 3}},
      {u"100", u"10", {u"10", 2}}, {u"12", u"7", {u"7", 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LimitEdit(c.before, c.after, 2), c.result);
  }
}

}  // namespace
}  // namespace dawnquill::testing
