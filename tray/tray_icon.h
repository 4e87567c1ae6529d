#pragma once

#include <string>
#include <string_view>

#include "platform/notify_icon.h"

namespace dawnquill {

// The program's one notification-area icon: its record, and the requests made with it.
class TrayIcon {
 public:
  static constexpr std::uint32_t kCbSize = 88;
  static constexpr std::uint32_t kId = 1;
  static constexpr std::uint32_t kFlags = 7;  // message, icon and tip are valid
  static constexpr std::uint32_t kCallbackMessage = 0x0200;
  static constexpr std::string_view kStartTip = "Dawnquill";

  static constexpr int kPictureArmed = 1;
  static constexpr int kPictureOff = 2;
  static constexpr int kPictureRinging = 3;

  TrayIcon(NotifyIcon& shell, ImageList& pictures) : shell_(shell), pictures_(pictures) {}

  void FillAndAdd(std::uintptr_t window);
  void Publish(std::string_view tip, int picture);
  void Refresh();
  void Delete();

  // The tip as the shell reads it: up to the NUL.
  std::string Tip() const;

 private:
  void SetTip(std::string_view tip);

  NotifyIcon& shell_;
  ImageList& pictures_;
  TrayData data_;
};

}  // namespace dawnquill
