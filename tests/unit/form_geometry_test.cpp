#include "ui/form_geometry.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "ui/form_growth.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/text_limit.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill::testing {
namespace {

// Every control that has a place lies inside its window's client area, at any scale, and grows
// by half from 96 to 144 dpi (give or take the rounding of each edge). The font shrinks in steps
// until it fits, and no further than the smallest.
// (The tab order is proven end to end, where the tests type from box to box with Tab.)
TEST(FormGeometry, EveryControlLiesInsideItsWindowAtAnyScaleAndTheFontShrinksUntilItFits) {
  for (const FormLayout* layout :
       {&main_window::Layout(), &wake_up_window::Layout(), &options_window::Layout()}) {
    for (const Control& control : layout->controls) {
      if (control.width == 0) continue;  // timers and menus have no place
      for (const int dpi : {96, 144, 192}) {
        SCOPED_TRACE(std::string(layout->name) + " " + std::string(control.caption.english) + " " +
                     std::to_string(dpi));
        const PixelRect r = PlaceInWindow(*layout, control, dpi);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.left + r.width, Pixels(layout->clientWidth, dpi));
        EXPECT_LE(r.top + r.height, Pixels(layout->clientHeight, dpi));
      }
      const PixelRect small = PlaceInWindow(*layout, control);
      const PixelRect large = PlaceInWindow(*layout, control, 144);
      EXPECT_NEAR(large.width, small.width * 1.5, 1.5);
      EXPECT_NEAR(large.left, small.left * 1.5, 1.5);
    }
  }
  EXPECT_EQ(FittingSize(9, 6.5, 0.5, [](double size) { return size <= 8; }), 8);
  EXPECT_EQ(FittingSize(9, 6.5, 0.5, [](double) { return false; }), 6.5);
}

// A text too wide even at the smallest size widens its control, moves what stands right of it on
// its row, and widens its frame and the window as far as they are passed; all else stays.
TEST(FormGrowth, ATextThatDoesNotFitWidensItsControlItsRowAndWhatHoldsThem) {
  using enum MainControl;
  const struct {
    int dpi;
    std::map<std::string, int> widths;  // the rest 20 pixels
    int captionWidth, hourLeft, frameWidth, exitWidth, toggleLeft, clientWidth;
  } cases[] = {
      {96, {{"Alarm time:", 65}, {"Exit", 73}}, 975, 1200, 3855, 1215, 2880, 4335},
      {96, {{"Alarm time:", 75}}, 1125, 1350, 3855, 1215, 2880, 4335},
      {96, {{"Exit", 93}}, 975, 1200, 3855, 1515, 3180, 4635},
      {144, {{"Alarm status:", 107}}, 975, 1200, 3955, 1215, 2880, 4435},
  };
  for (const auto& c : cases) {
    const GrownForm grown(main_window::Layout(), c.dpi, [&](const std::string& text) {
      return c.widths.contains(text) ? c.widths.at(text) : 20;
    });
    EXPECT_EQ(grown.Of(TimeCaption).width, c.captionWidth);
    EXPECT_EQ(grown.Of(HourBox).left, c.hourLeft);
    EXPECT_EQ(grown.Of(AlarmFrame).width, c.frameWidth);
    EXPECT_EQ(grown.Of(ExitButton).width, c.exitWidth);
    EXPECT_EQ(grown.Of(ToggleButton).left, c.toggleLeft);
    EXPECT_EQ(grown.Layout().clientWidth, c.clientWidth);
  }
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
