#include "backends/dbus/dbus_ring_notice.h"

#include <QVariantMap>

#include "backends/dbus/bus_calls.h"
#include "backends/qt/qt_text.h"
#include "core/texts.h"
#include "notifications_interface.h"

namespace dawnquill {
namespace {

constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;

// A notice that stays `expireMs` milliseconds; 0 till it is closed, -1 as long as the server likes.
auto Notice(const QString& appId, const QString& summary, std::string_view body,
            const QStringList& actions, uchar urgency, int expireMs) {
  return [=, text = QString::fromUtf8(body)](OrgFreedesktopNotificationsInterface& server) {
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(urgency)},
                            {QStringLiteral("desktop-entry"), appId}};
    return server.Notify(QStringLiteral("DawnQuill"), 0, appId, summary, text, actions, hints,
                         expireMs);
  };
}

}  // namespace

DBusRingNotice::DBusRingNotice(const QDBusConnection& bus, QString appId)
    : server_(std::make_unique<OrgFreedesktopNotificationsInterface>(
          QStringLiteral("org.freedesktop.Notifications"),
          QStringLiteral("/org/freedesktop/Notifications"), bus)),
      appId_(std::move(appId)) {
  connect(server_.get(), &OrgFreedesktopNotificationsInterface::ActionInvoked, this,
          &DBusRingNotice::ActionInvoked);
}

DBusRingNotice::~DBusRingNotice() = default;

void DBusRingNotice::Show(std::string_view time, Answered answered) {
  shown_ = true;
  const QStringList actions{QStringLiteral("snooze"), Utf8(Tr("notice action", "Snooze")),
                            QStringLiteral("turn-off"),
                            Utf8(Tr("notice action", "Turn alarm off"))};
  // However late: a server that must first be started still shows the notice, and one that
  // comes after the ring ended is closed as its number arrives.
  CallLater(
      *server_, Notice(appId_, Utf8(Tr("notice title", "Alarm!")), time, actions, kCritical, 0),
      this,
      [this, answered = std::move(answered)](const QDBusPendingReply<uint>& id) {
        if (id.isError()) return answered(Failure{id.error().message().toStdString()});
        answered({});
        if (shown_) {
          id_ = id.value();
        } else {
          CloseNotification(id.value());
        }
      },
      Wait::HoweverLate);
}

void DBusRingNotice::Close() {
  shown_ = false;
  if (id_ != 0) CloseNotification(std::exchange(id_, 0));
}

Result<> DBusRingNotice::Tell(std::string_view text) {
  const auto told =
      CallBounded(*server_, Notice(appId_, QStringLiteral("DawnQuill"), text, {}, kNormal, -1));
  if (told.isError()) return Failure{told.error().message().toStdString()};
  return {};
}

void DBusRingNotice::CloseNotification(uint id) {
  CallLater(*server_, [id](auto& server) { return server.CloseNotification(id); });
}

void DBusRingNotice::ActionInvoked(uint id, const QString& key) {
  if (id == 0 || id != id_ || events_ == nullptr) return;
  if (key == QStringLiteral("snooze")) events_->Chosen(RingAction::Snooze);
  if (key == QStringLiteral("turn-off")) events_->Chosen(RingAction::TurnOff);
}

}  // namespace dawnquill
