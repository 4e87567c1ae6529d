#include "tray/tray_icon.h"

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

}  // namespace dawnquill
