#include "ui/text_room.h"

namespace dawnquill {

std::vector<TextRoom> TextsToFit(const FormLayout& layout) {
  std::vector<TextRoom> texts;
  for (const Control& control : layout.controls) {
    if (!control.font.face.empty()) continue;
    int padding = 0;
    if (control.kind == ControlKind::PushButton) {
      padding = 8;
    } else if (control.kind == ControlKind::Frame) {
      padding = 16;
    } else if (control.kind != ControlKind::Label) {
      continue;
    }
    const int room = control.width / kTwipsPerPixel - padding;
    texts.push_back({control.caption, room});
    if (!control.widestText.empty()) texts.push_back({control.widestText, room});
  }
  return texts;
}

}  // namespace dawnquill
