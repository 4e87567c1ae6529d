#pragma once

#include <functional>
#include <map>

#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QSystemTrayIcon>

#include "interfaces/notification_icon.h"

namespace dawnquill {

// A tray picture at its own 16 pixels, the mask colour transparent.
QImage TrayPictureImage(TrayPicture picture);

// The notification-area icon on QSystemTrayIcon: the freedesktop StatusNotifierItem host where
// one runs, else the XEmbed system tray. The host opens the menu itself, so it is never asked
// for here.
class QtNotifyIcon final : public QObject, public NotificationIcon {
 public:
  QtNotifyIcon();

  void SetEvents(NotificationIconEvents* events) { events_ = events; }
  // The menu the host opens on the icon; asked for when the icon is added.
  void SetMenu(std::function<QMenu*()> menu) { menu_ = std::move(menu); }

  void Add(TrayPicture picture, std::string_view tip) override;
  void Modify(TrayPicture picture, std::string_view tip) override;
  void Delete() override { icon_.hide(); }
  bool HasNotificationArea() const override;

 private:
  void Apply(TrayPicture picture, std::string_view tip);

  std::map<TrayPicture, QIcon> icons_;  // made once, for the whole run
  const bool statusNotifierHost_;
  NotificationIconEvents* events_ = nullptr;
  QSystemTrayIcon icon_;
  std::function<QMenu*()> menu_;
  TrayPicture shownPicture_ = TrayPicture::Off;
  QString shownTip_;
};

}  // namespace dawnquill
