#pragma once

#include <array>
#include <cstdint>

namespace dawnquill {

using IconHandle = std::uintptr_t;

// The one notification-area record, in the order and widths the shell expects.
struct TrayData {
  static constexpr std::size_t kTipSize = 64;

  std::uint32_t cbSize = 0;
  std::uintptr_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  IconHandle hIcon = 0;
  std::array<char, kTipSize> szTip{};
};

enum class NotifyMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

// The notification area. Reports from the icon reach the program through NotifyIconEvents.
class NotifyIcon {
 public:
  virtual ~NotifyIcon() = default;

  virtual bool Shell_NotifyIcon(NotifyMessage message, const TrayData& data) = 0;
  // False when the desktop has no notification area at all.
  virtual bool HasNotificationArea() const = 0;
};

class NotifyIconEvents {
 public:
  virtual ~NotifyIconEvents() = default;

  // A mouse event over the icon, numbered as the shell numbers mouse messages.
  virtual void TrayReport(int mouseMessage) = 0;
};

// The image list of tray pictures, counted from 1.
class ImageList {
 public:
  virtual ~ImageList() = default;

  // An icon of picture n with the mask colour transparent; valid for the whole run.
  virtual IconHandle Icon(int picture) = 0;
};

}  // namespace dawnquill
