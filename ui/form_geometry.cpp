#include "ui/form_geometry.h"

#include <algorithm>

namespace dawnquill {

int Pixels(int twips, int dpi) { return twips * dpi / kTwipsPerInch; }

PixelRect Place(const Control& control, int dpi) {
  return {Pixels(control.left, dpi), Pixels(control.top, dpi), Pixels(control.width, dpi),
          Pixels(control.height, dpi)};
}

PixelRect PlaceInWindow(const FormLayout& layout, const Control& control, int dpi) {
  PixelRect place = Place(control, dpi);
  for (const Control& container : layout.controls) {
    if (container.id == control.container && control.container != ControlId{}) {
      const PixelRect corner = Place(container, dpi);
      place.left += corner.left;
      place.top += corner.top;
    }
  }
  return place;
}

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::TextBox ||
         kind == ControlKind::ComboBox;
}

std::vector<const Control*> TabOrder(const FormLayout& layout) {
  std::vector<const Control*> order;
  for (const Control& control : layout.controls) {
    if (TakesFocus(control.kind)) order.push_back(&control);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  return order;
}

std::optional<int> TextMargin(ControlKind kind, int dpi) {
  int margin = 0;
  switch (kind) {
    case ControlKind::Label:
      break;
    case ControlKind::PushButton:
      margin = 8;
      break;
    case ControlKind::Frame:
      margin = 16;
      break;
    case ControlKind::CheckBox:
      margin = 20;  // the box itself and the gap beside it
      break;
    default:
      return std::nullopt;
  }
  return margin * dpi / kStandardDpi;
}

std::vector<TextRoom> TextsToFit(const FormLayout& layout, int dpi) {
  std::vector<TextRoom> texts;
  for (const Control& control : layout.controls) {
    const std::optional<int> margin = TextMargin(control.kind, dpi);
    if (!control.font.face.empty() || !margin) continue;
    const int room = Pixels(control.width, dpi) - *margin;
    texts.push_back({control.id, Tr(control.caption), room});
    for (const Words& written : control.written) {
      texts.push_back({control.id, Fill(Tr(written), {control.widestValue}), room});
    }
  }
  return texts;
}

double FittingSize(double start, double smallest, double step,
                   const std::function<bool(double)>& fits) {
  double size = start;
  while (size > smallest && !fits(size)) size = std::max(smallest, size - step);
  return size;
}

bool PressesButton(ButtonKey key) { return key == ButtonKey::Enter; }

}  // namespace dawnquill
