#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

#include "interfaces/notification_icon.h"

namespace dawnquill {

// The notification-area icon on QSystemTrayIcon: the freedesktop StatusNotifierItem host where
// one runs, else the XEmbed system tray. The host opens the menu itself, so it is never asked
// for here. Qt chooses between the two kinds of host once, for the whole run, when the first
// icon is made; so the icon is made only once a host is there, which at the start of a session
// may be after the program.
class QtNotifyIcon final : public QObject, public NotificationIcon {
 public:
  QtNotifyIcon();

  void SetEvents(NotificationIconEvents* events) override { events_ = events; }
  // The menu the host opens on the icon; asked for when the icon is docked.
  void SetMenu(std::function<QMenu*()> menu) { menu_ = std::move(menu); }

  void Add(TrayPicture picture, std::string_view tip) override;
  void Modify(TrayPicture picture, std::string_view tip) override;
  void Delete() override;
  bool HasNotificationArea() const override;
  void AwaitNotificationArea(std::chrono::seconds limit,
                             std::function<void(bool came)> done) override;

 private:
  void Apply(TrayPicture picture, std::string_view tip);
  void DockWhenAHostComes();
  void Dock();

  std::map<TrayPicture, QIcon> icons_;  // made once, for the whole run
  bool statusNotifierHost_ = false;
  NotificationIconEvents* events_ = nullptr;
  std::unique_ptr<QSystemTrayIcon> icon_;  // none until a host is there
  std::function<QMenu*()> menu_;
  bool added_ = false;
  TrayPicture shownPicture_ = TrayPicture::Off;
  QString shownTip_;
  QTimer hostWatch_;
  std::vector<std::function<void(bool)>> waiting_;  // the waits for the area, while they last
};

}  // namespace dawnquill
