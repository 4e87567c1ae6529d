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

std::vector<TextRoom> TextsToFit(const FormLayout& layout, int dpi) {
  std::vector<TextRoom> texts;
  for (const Control& control : layout.controls) {
    if (!control.font.face.empty()) continue;
    int padding = 0;
    if (control.kind == ControlKind::PushButton) {
      padding = 8;
    } else if (control.kind == ControlKind::Frame) {
      padding = 16;
    } else if (control.kind == ControlKind::CheckBox) {
      padding = 20;  // the box itself and the gap beside it
    } else if (control.kind != ControlKind::Label) {
      continue;
    }
    const int room = Pixels(control.width, dpi) - padding * dpi / kStandardDpi;
    texts.push_back({Tr(control.caption), room});
    if (!control.widestText.Empty()) {
      texts.push_back({Fill(Tr(control.widestText), {control.widestValue}), room});
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
