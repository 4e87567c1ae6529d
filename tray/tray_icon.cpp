#include "tray/tray_icon.h"

#include <algorithm>

namespace dawnquill {

void TrayIcon::Add(std::string_view tip) {
  picture_ = TrayPicture::Off;
  SetTip(tip);
  icon_.Add(picture_, tip_);
}

void TrayIcon::Publish(std::string_view tip, TrayPicture picture) {
  SetTip(tip);
  picture_ = picture;
  icon_.Modify(picture_, tip_);
}

// Cut between two characters of the UTF-8, never inside one: the first byte left out must not be
// one that continues a character.
void TrayIcon::SetTip(std::string_view tip) {
  std::size_t length = std::min(tip.size(), kLongestTip);
  while (length < tip.size() && length > 0 &&
         (static_cast<unsigned char>(tip[length]) & 0xC0U) == 0x80U) {
    --length;
  }
  tip_ = tip.substr(0, length);
}

}  // namespace dawnquill
