#include "backends/dbus/dbus_ring_notice.h"

#include <QVariantMap>

#include "backends/dbus/bus_calls.h"
#include "core/alarm_words.h"
#include "notifications_interface.h"

namespace dawnquill {
namespace {

constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;

}  // namespace

DBusRingNotice::DBusRingNotice(const QDBusConnection& bus, QString appId)
    : connected_(bus.isConnected()),
      server_(BoundedProxy<OrgFreedesktopNotificationsInterface>(
          QStringLiteral("org.freedesktop.Notifications"),
          QStringLiteral("/org/freedesktop/Notifications"), bus)),
      appId_(std::move(appId)) {
  connect(server_.get(), &OrgFreedesktopNotificationsInterface::ActionInvoked, this,
          &DBusRingNotice::ActionInvoked);
}

DBusRingNotice::~DBusRingNotice() = default;

QDBusPendingReply<uint> DBusRingNotice::Notify(const QString& summary, std::string_view body,
                                               const QStringList& actions, uchar urgency,
                                               int expireMs) {
  const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(urgency)},
                          {QStringLiteral("desktop-entry"), appId_}};
  return server_->Notify(QStringLiteral("DawnQuill"), 0, appId_, summary, QString::fromUtf8(body),
                         actions, hints, expireMs);
}

void DBusRingNotice::Show(std::string_view time, Answered answered) {
  shown_ = true;
  if (!connected_) return answered(Failure{"the session bus is not connected"});
  const QStringList actions{QStringLiteral("snooze"), QStringLiteral("Snooze"),
                            QStringLiteral("turn-off"), QString::fromUtf8(kTurnOffCaption)};
  AnswerLater(Notify(QString::fromUtf8(kRingingStatus), time, actions, kCritical, 0), this,
              [this, answered = std::move(answered)](const QDBusMessage& answer) {
                if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
                  return answered(Failure{answer.errorMessage().toStdString()});
                }
                answered({});
                const uint id = answer.arguments().constFirst().toUInt();
                // A ring that ended before the server answered takes its notice with it.
                if (shown_) {
                  id_ = id;
                } else {
                  CloseNotification(id);
                }
              });
}

void DBusRingNotice::Close() {
  shown_ = false;
  if (id_ != 0) CloseNotification(std::exchange(id_, 0));
}

Result<> DBusRingNotice::Tell(std::string_view text) {
  if (!connected_) return Failure{"the session bus is not connected"};
  QDBusPendingReply<uint> told = Notify(QStringLiteral("DawnQuill"), text, {}, kNormal, -1);
  told.waitForFinished();
  if (told.isError()) return Failure{told.error().message().toStdString()};
  return {};
}

void DBusRingNotice::CloseNotification(uint id) {
  if (connected_) server_->CloseNotification(id);
}

void DBusRingNotice::ActionInvoked(uint id, const QString& key) {
  if (id == 0 || id != id_ || events_ == nullptr) return;
  if (key == QStringLiteral("snooze")) events_->Chosen(RingAction::Snooze);
  if (key == QStringLiteral("turn-off")) events_->Chosen(RingAction::TurnOff);
}

}  // namespace dawnquill
