#include "backends/dbus/dbus_ring_notice.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "backends/qt/qt_text.h"
#include "core/call_limit.h"

namespace dawnquill {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;

}  // namespace

DBusRingNotice::DBusRingNotice(QDBusConnection bus, QString appId)
    : bus_(std::move(bus)), appId_(std::move(appId)) {
  bus_.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
               SLOT(ActionInvoked(uint, QString)));
}

QDBusMessage DBusRingNotice::Notify(const QString& summary, std::string_view body,
                                    const QStringList& actions, uchar urgency, int expireMs) const {
  QDBusMessage notify =
      QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
  const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(urgency)},
                          {QStringLiteral("desktop-entry"), appId_}};
  notify.setArguments(
      {QStringLiteral("DawnQuill"), 0u, appId_, summary, Utf8(body), actions, hints, expireMs});
  return notify;
}

void DBusRingNotice::Show(std::string_view time) {
  shown_ = true;
  if (!bus_.isConnected()) return;
  const QStringList actions{QStringLiteral("snooze"), QStringLiteral("Snooze"),
                            QStringLiteral("turn-off"), QStringLiteral("Turn alarm off")};
  const QDBusMessage notify = Notify(QStringLiteral("Alarm!"), time, actions, kCritical, 0);
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    const QDBusPendingReply<uint> reply = *w;
    w->deleteLater();
    if (reply.isError()) return;
    // A ring that ended before the server answered takes its notice with it.
    if (shown_) {
      id_ = reply.value();
    } else {
      CloseNotification(reply.value());
    }
  });
}

void DBusRingNotice::Close() {
  shown_ = false;
  if (id_ != 0) CloseNotification(std::exchange(id_, 0));
}

void DBusRingNotice::Tell(std::string_view text) {
  if (!bus_.isConnected()) return;
  bus_.call(Notify(QStringLiteral("DawnQuill"), text, {}, kNormal, -1), QDBus::Block, kCallLimitMs);
}

void DBusRingNotice::CloseNotification(uint id) {
  QDBusMessage close = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                      QStringLiteral("CloseNotification"));
  close.setArguments({id});
  bus_.asyncCall(close);
}

void DBusRingNotice::ActionInvoked(uint id, const QString& key) {
  if (id == 0 || id != id_ || events_ == nullptr) return;
  if (key == QStringLiteral("snooze")) events_->Chosen(RingAction::Snooze);
  if (key == QStringLiteral("turn-off")) events_->Chosen(RingAction::TurnOff);
}

}  // namespace dawnquill
