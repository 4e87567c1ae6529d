#pragma once

#include <string>
#include <string_view>

#include "interfaces/notification_icon.h"

namespace dawnquill {

// The program's one notification-area icon: the picture and tip it shows, and the requests made
// with them.
class TrayIcon {
 public:
  // The longest tip the notification area of every platform takes whole.
  static constexpr std::size_t kLongestTip = 63;

  explicit TrayIcon(NotificationIcon& icon) : icon_(icon) {}

  void Add(std::string_view tip);
  void Publish(std::string_view tip, TrayPicture picture);
  void Refresh() { icon_.Modify(picture_, tip_); }
  void Delete() { icon_.Delete(); }

 private:
  void SetTip(std::string_view tip);

  NotificationIcon& icon_;
  TrayPicture picture_ = TrayPicture::Off;
  std::string tip_;
};

}  // namespace dawnquill
