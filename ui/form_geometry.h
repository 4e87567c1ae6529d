#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_table.h"

// The arithmetic every window kit draws a control table with: pixels from twips, the order the
// focus moves in, the font that fits, and the keys a push button keeps for itself.
namespace dawnquill {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// Twips to pixels on a screen of `dpi` dots per inch: 15 twips to the pixel at 96.
int Pixels(int twips, int dpi = kStandardDpi);

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The control's place inside its container, as a kit that nests controls in frames draws it.
PixelRect Place(const Control& control, int dpi = kStandardDpi);
// Its place in the window's client area, for a kit whose frames hold no controls: the
// container's corner added.
PixelRect PlaceInWindow(const FormLayout& layout, const Control& control, int dpi = kStandardDpi);

bool TakesFocus(ControlKind kind);
// The controls that take the focus, in the order Tab moves it.
std::vector<const Control*> TabOrder(const FormLayout& layout);

// A text in the window's own font and the pixels its control leaves for it.
struct TextRoom {
  ControlId control{};
  std::string text;
  int pixels = 0;
};
// What a control of `kind` takes of its width beside its text (a button's edges, a frame's
// corner, a check box's box); none for a kind whose text is not fitted.
std::optional<int> TextMargin(ControlKind kind, int dpi = kStandardDpi);
// Every caption in the window's own font, and every text the program will write there, as the
// user's language says them, with the room its control leaves for it. The layout was made for a
// narrow 8-point face: a window kit whose default font is wider makes it smaller until all of these
// fit.
std::vector<TextRoom> TextsToFit(const FormLayout& layout, int dpi = kStandardDpi);
// The largest font size from `start` down to `smallest`, in steps of `step`, at which `fits`
// holds; `smallest` when none does.
double FittingSize(double start, double smallest, double step,
                   const std::function<bool(double)>& fits);

// What a push button does with a key the window has passed on: Enter presses it, and nothing else
// does anything there (only Tab, which the kits leave to the focus, moves between buttons).
enum class ButtonKey { Enter, Arrow, Other };
bool PressesButton(ButtonKey key);

}  // namespace dawnquill
