#include "backends/qt/qt_tray.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPixmap>

#include "tray/tray_pictures.h"

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

QImage TrayPictureImage(TrayPicture picture) {
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

QtNotifyIcon::QtNotifyIcon() : statusNotifierHost_(StatusNotifierHostPresent()) {
  for (const auto picture : {TrayPicture::Armed, TrayPicture::Off, TrayPicture::Ringing}) {
    icons_.emplace(picture, QIcon(QPixmap::fromImage(TrayPictureImage(picture))));
  }
  connect(&icon_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            // A StatusNotifierItem host knows no double click: its primary activation, which
            // reaches Qt as a trigger, is the user's way to bring the window back. In the XEmbed
            // tray a trigger is a mere single click.
            const bool activated = reason == QSystemTrayIcon::DoubleClick ||
                                   (reason == QSystemTrayIcon::Trigger && statusNotifierHost_);
            if (activated && events_ != nullptr) events_->Activated();
          });
}

void QtNotifyIcon::Add(TrayPicture picture, std::string_view tip) {
  if (menu_) icon_.setContextMenu(menu_());
  shownTip_.clear();
  icon_.setIcon(icons_.at(picture));
  shownPicture_ = picture;
  Apply(picture, tip);
  icon_.show();
}

void QtNotifyIcon::Modify(TrayPicture picture, std::string_view tip) {
  if (icon_.isVisible()) Apply(picture, tip);
}

// The tick hands the same picture and tip over every five seconds: only a change is drawn.
void QtNotifyIcon::Apply(TrayPicture picture, std::string_view tip) {
  if (picture != shownPicture_) {
    shownPicture_ = picture;
    icon_.setIcon(icons_.at(picture));
  }
  const QString text = QString::fromLatin1(tip.data(), static_cast<qsizetype>(tip.size()));
  if (text != shownTip_) {
    shownTip_ = text;
    icon_.setToolTip(text);
  }
}

bool QtNotifyIcon::HasNotificationArea() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace dawnquill
