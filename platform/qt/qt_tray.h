#pragma once

#include <array>
#include <functional>

#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QSystemTrayIcon>

#include "platform/notify_icon.h"

namespace dawnquill {

// Tray picture 1, 2 or 3 at its own 16 pixels, the mask colour transparent.
QImage TrayPictureImage(int picture);

// The three tray pictures as icons, made once and kept for the whole run. An icon's handle is
// its picture number.
class QtTrayPictures final : public ImageList {
 public:
  QtTrayPictures();

  IconHandle Icon(int picture) override;
  const QIcon& IconOf(IconHandle handle) const;

 private:
  std::array<QIcon, 3> icons_;
};

// The notification-area icon on QSystemTrayIcon: the freedesktop StatusNotifierItem host where
// one runs, else the XEmbed system tray.
class QtNotifyIcon final : public QObject, public NotifyIcon {
 public:
  explicit QtNotifyIcon(const QtTrayPictures& pictures);

  void SetEvents(NotifyIconEvents* events) { events_ = events; }
  // The menu the host opens on the icon; asked for when the icon is added.
  void SetMenu(std::function<QMenu*()> menu) { menu_ = std::move(menu); }

  bool Shell_NotifyIcon(NotifyMessage message, const TrayData& data) override;
  bool HasNotificationArea() const override;

  QSystemTrayIcon& Icon() { return icon_; }

 private:
  void Apply(const TrayData& data);

  const QtTrayPictures& pictures_;
  const bool statusNotifierHost_;
  NotifyIconEvents* events_ = nullptr;
  QSystemTrayIcon icon_;
  std::function<QMenu*()> menu_;
  IconHandle shownIcon_ = 0;
  QString shownTip_;
};

}  // namespace dawnquill
