#include "tray/tray_icon.h"

#include <algorithm>

namespace dawnquill {

void TrayIcon::FillAndAdd(std::uintptr_t window) {
  data_.cbSize = kCbSize;
  data_.hIcon = pictures_.Icon(kPictureOff);
  data_.hWnd = window;
  SetTip(kStartTip);
  data_.uCallbackMessage = kCallbackMessage;
  data_.uFlags = kFlags;
  data_.uID = kId;
  shell_.Shell_NotifyIcon(NotifyMessage::Add, data_);
}

void TrayIcon::Publish(std::string_view tip, int picture) {
  SetTip(tip);
  data_.hIcon = pictures_.Icon(picture);
  shell_.Shell_NotifyIcon(NotifyMessage::Modify, data_);
}

void TrayIcon::Refresh() { shell_.Shell_NotifyIcon(NotifyMessage::Modify, data_); }

void TrayIcon::Delete() { shell_.Shell_NotifyIcon(NotifyMessage::Delete, data_); }

std::string TrayIcon::Tip() const {
  const auto end = std::find(data_.szTip.begin(), data_.szTip.end(), '\0');
  return {data_.szTip.begin(), end};
}

// The text, one NUL, then spaces. A text too long for its NUL is cut so that the shell never
// reads past the field.
void TrayIcon::SetTip(std::string_view tip) {
  tip = tip.substr(0, TrayData::kTipSize - 1);
  data_.szTip.fill(' ');
  std::copy(tip.begin(), tip.end(), data_.szTip.begin());
  data_.szTip[tip.size()] = '\0';
}

}  // namespace dawnquill
