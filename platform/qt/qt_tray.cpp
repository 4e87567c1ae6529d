#include "platform/qt/qt_tray.h"

#include <algorithm>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPixmap>

#include "tray/tray_callback.h"
#include "ui/main/tray_pictures.h"

namespace dawnquill {

namespace tp = tray_pictures;

namespace {

// Qt shows the icon as a StatusNotifierItem, rather than in the XEmbed tray, when a watcher on
// the session bus reports a registered host; it decides once, when the first icon is made.
bool StatusNotifierHostPresent() {
  const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher)) return false;
  QDBusMessage get = QDBusMessage::createMethodCall(
      watcher, QStringLiteral("/StatusNotifierWatcher"),
      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get.setArguments({watcher, QStringLiteral("IsStatusNotifierHostRegistered")});
  const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
  return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
         reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

}  // namespace

QImage TrayPictureImage(int picture) {
  QImage image(tp::kSize, tp::kSize, QImage::Format_ARGB32);
  const tp::Picture pixels = tp::Draw(picture);
  for (int row = 0; row < tp::kSize; ++row) {
    for (int column = 0; column < tp::kSize; ++column) {
      const tp::Rgb& c = pixels[row][column];
      image.setPixel(column, row,
                     c == tp::kMask ? qRgba(0, 0, 0, 0) : qRgb(c.red, c.green, c.blue));
    }
  }
  return image;
}

QtTrayPictures::QtTrayPictures() {
  for (int picture = 1; picture <= 3; ++picture) {
    icons_[picture - 1] = QIcon(QPixmap::fromImage(TrayPictureImage(picture)));
  }
}

IconHandle QtTrayPictures::Icon(int picture) {
  return static_cast<IconHandle>(std::clamp(picture, 1, 3));
}

const QIcon& QtTrayPictures::IconOf(IconHandle handle) const {
  return icons_[std::clamp<IconHandle>(handle, 1, 3) - 1];
}

QtNotifyIcon::QtNotifyIcon(const QtTrayPictures& pictures)
    : pictures_(pictures), statusNotifierHost_(StatusNotifierHostPresent()) {
  connect(&icon_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            // The menu is the host's to open; only the double click is ours to report. A
            // StatusNotifierItem host knows no double click: its primary activation, which
            // reaches Qt as a trigger, is the user's way to bring the window back. In the XEmbed
            // tray a trigger is a mere single click.
            const bool open = reason == QSystemTrayIcon::DoubleClick ||
                              (reason == QSystemTrayIcon::Trigger && statusNotifierHost_);
            if (open && events_ != nullptr) events_->TrayReport(TrayCallback::kLeftDoubleClick);
          });
}

bool QtNotifyIcon::Shell_NotifyIcon(NotifyMessage message, const TrayData& data) {
  switch (message) {
    case NotifyMessage::Add:
      if (menu_) icon_.setContextMenu(menu_());
      Apply(data);
      icon_.show();
      return true;
    case NotifyMessage::Modify:
      if (!icon_.isVisible()) return false;
      Apply(data);
      return true;
    case NotifyMessage::Delete:
      icon_.hide();
      return true;
  }
  return false;
}

// The tick hands the same record over every five seconds: only a change is drawn.
void QtNotifyIcon::Apply(const TrayData& data) {
  const auto end = std::find(data.szTip.begin(), data.szTip.end(), '\0');
  const QString tip = QString::fromLatin1(data.szTip.data(), end - data.szTip.begin());
  if (data.hIcon != shownIcon_) {
    shownIcon_ = data.hIcon;
    icon_.setIcon(pictures_.IconOf(data.hIcon));
  }
  if (tip != shownTip_) {
    shownTip_ = tip;
    icon_.setToolTip(tip);
  }
}

bool QtNotifyIcon::HasNotificationArea() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace dawnquill
