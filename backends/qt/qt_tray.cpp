#include "backends/qt/qt_tray.h"

#include <utility>

#include <QDBusConnection>
#include <QDBusVariant>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include "backends/dbus/bus_calls.h"
#include "backends/qt/qt_text.h"
#include "backends/qt/qt_tray_picture_icon.h"
#include "properties_interface.h"

namespace dawnquill {

namespace {

using namespace std::chrono_literals;

// Asked every second while no host is there, and no longer once one has docked the icon.
constexpr auto kHostWatchInterval = 1s;

// Qt shows the icon as a StatusNotifierItem, rather than in the XEmbed tray, when a watcher on
// the session bus reports a registered host. Asked of the watcher's own connection, found first,
// and not of its name: Qt would ask who owns the name, once a second while no host is there,
// without our bound.
bool StatusNotifierHostPresent() {
  const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
  const QDBusConnection bus = QDBusConnection::sessionBus();
  const auto owner = CallBounded(BusDaemon(bus),
                                 [&watcher](auto& daemon) { return daemon.GetNameOwner(watcher); });
  if (owner.isError()) return false;
  const auto registered = CallBounded(
      OrgFreedesktopDBusPropertiesInterface(owner.value(), QStringLiteral("/StatusNotifierWatcher"),
                                            bus),
      [&watcher](auto& properties) {
        return properties.Get(watcher, QStringLiteral("IsStatusNotifierHostRegistered"));
      });
  return !registered.isError() && registered.value().variant().toBool();
}

// An XEmbed system tray owns the manager selection of the screen. Asked of the X server itself,
// as Qt's own answer would fix its choice of host for the run.
bool XEmbedTrayPresent() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  const QByteArray name = QByteArrayLiteral("_NET_SYSTEM_TRAY_S0");
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
      nullptr);
  if (atom == nullptr) return false;
  xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
  const bool present = owner != nullptr && owner->owner != XCB_NONE;
  std::free(owner);
  std::free(atom);
  return present;
}

}  // namespace

QtNotifyIcon::QtNotifyIcon() {
  for (const auto picture : {TrayPicture::Armed, TrayPicture::Off, TrayPicture::Ringing}) {
    icons_.emplace(picture, TrayPictureIcon(picture));
  }
  hostWatch_.setInterval(kHostWatchInterval);
  connect(&hostWatch_, &QTimer::timeout, this, [this] {
    if (StatusNotifierHostPresent() || XEmbedTrayPresent()) Dock();
  });
}

void QtNotifyIcon::Add(TrayPicture picture, std::string_view tip) {
  added_ = true;
  shownPicture_ = picture;
  shownTip_ = QString::fromLatin1(tip.data(), static_cast<qsizetype>(tip.size()));
  if (icon_ || HasNotificationArea()) {
    Dock();
  } else {
    hostWatch_.start();
  }
}

void QtNotifyIcon::Modify(TrayPicture picture, std::string_view tip) {
  if (added_) Apply(picture, tip);
}

void QtNotifyIcon::Delete() {
  added_ = false;
  hostWatch_.stop();
  if (icon_) icon_->hide();
}

bool QtNotifyIcon::HasNotificationArea() const {
  if (icon_) return QSystemTrayIcon::isSystemTrayAvailable();
  return StatusNotifierHostPresent() || XEmbedTrayPresent();
}

void QtNotifyIcon::AwaitNotificationArea(std::chrono::seconds limit,
                                         std::function<void(bool came)> done) {
  if (icon_ && icon_->isVisible()) return done(true);
  waiting_.push_back(std::move(done));
  QTimer::singleShot(limit, this, [this] {
    for (auto& done : std::exchange(waiting_, {})) done(false);
  });
}

void QtNotifyIcon::Dock() {
  hostWatch_.stop();
  if (!icon_) {
    statusNotifierHost_ = StatusNotifierHostPresent();
    icon_ = std::make_unique<QSystemTrayIcon>();
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
              // A StatusNotifierItem host knows no double click: its primary activation, which
              // reaches Qt as a trigger, is the user's way to bring the window back. In the
              // XEmbed tray a trigger is a mere single click.
              const bool activated = reason == QSystemTrayIcon::DoubleClick ||
                                     (reason == QSystemTrayIcon::Trigger && statusNotifierHost_);
              if (activated && events_ != nullptr) events_->Activated();
            });
  }
  if (menu_) icon_->setContextMenu(menu_());
  icon_->setIcon(icons_.at(shownPicture_));
  icon_->setToolTip(shownTip_);
  icon_->show();
  for (auto& done : std::exchange(waiting_, {})) done(true);
}

// The tick hands the same picture and tip over every five seconds: only a change is drawn.
void QtNotifyIcon::Apply(TrayPicture picture, std::string_view tip) {
  const QString text = Utf8(tip);
  const bool pictureChanged = picture != shownPicture_;
  const bool tipChanged = text != shownTip_;
  shownPicture_ = picture;
  shownTip_ = text;
  if (!icon_) return;
  if (pictureChanged) icon_->setIcon(icons_.at(picture));
  if (tipChanged) icon_->setToolTip(text);
}

}  // namespace dawnquill
