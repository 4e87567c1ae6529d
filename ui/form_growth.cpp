#include "ui/form_growth.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "ui/form_geometry.h"

namespace dawnquill {
namespace {

// The fewest twips that give at least `pixels` more at `dpi`.
int Twips(int pixels, int dpi) { return (pixels * kTwipsPerInch + dpi - 1) / dpi; }

int Right(const Control& control) { return control.left + control.width; }

bool SameRow(const Control& a, const Control& b) {
  return a.top < b.top + b.height && b.top < a.top + a.height;
}

}  // namespace

GrownForm::GrownForm(const FormLayout& layout, int dpi,
                     const std::function<int(const std::string&)>& width)
    : controls_(layout.controls.begin(), layout.controls.end()), layout_(layout) {
  std::vector<int> growth(controls_.size(), 0);
  for (const TextRoom& text : TextsToFit(layout, dpi)) {
    const int lack = width(text.text) - text.pixels;
    if (lack <= 0) continue;
    const auto at = static_cast<std::size_t>(&Of(text.control) - controls_.data());
    growth[at] = std::max(growth[at], Twips(lack, dpi));
  }
  // A frame is as wide as its controls need before the window's own row is spread.
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].kind == ControlKind::Frame) {
      growth[i] = std::max(growth[i], Spread(layout, controls_[i].id, growth));
    }
  }
  layout_.clientWidth += Spread(layout, ControlId{}, growth);
  layout_.controls = controls_;
}

const Control& GrownForm::Of(ControlId control) const {
  return *std::ranges::find(controls_, control, &Control::id);
}

int GrownForm::Spread(const FormLayout& before, ControlId container,
                      const std::vector<int>& growth) {
  const std::span<const Control> was = before.controls;
  const auto in = [&](std::size_t i) { return was[i].container == container && was[i].width > 0; };
  // A control moves over by all that grows left of it on its row, through those between: each
  // pass carries the growth one control further.
  std::vector<int> shift(was.size(), 0);
  for (std::size_t pass = 0; pass < was.size(); ++pass) {
    for (std::size_t i = 0; i < was.size(); ++i) {
      for (std::size_t j = 0; j < was.size(); ++j) {
        if (in(i) && in(j) && Right(was[j]) <= was[i].left && SameRow(was[j], was[i])) {
          shift[i] = std::max(shift[i], shift[j] + growth[j]);
        }
      }
    }
  }
  int widest = 0;
  int widestNow = 0;
  for (std::size_t i = 0; i < was.size(); ++i) {
    if (!in(i)) continue;
    controls_[i].left = was[i].left + shift[i];
    controls_[i].width = was[i].width + growth[i];
    widest = std::max(widest, Right(was[i]));
    widestNow = std::max(widestNow, Right(controls_[i]));
  }
  return std::max(0, widestNow - widest);
}

}  // namespace dawnquill
