#include "backends/dbus/dbus_application.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include "backends/dbus/bus_calls.h"

namespace dawnquill {

DBusApplication::DBusApplication(QDBusConnection bus, QString appId)
    : bus_(std::move(bus)),
      appId_(std::move(appId)),
      path_(u'/' + QString(appId_).replace(u'.', u'/')) {}

DBusApplication::Claim DBusApplication::ClaimSession() {
  if (!bus_.isConnected()) return Claim::First;
  // Served before the name is owned, so that a second start never finds the name without it.
  bus_.registerObject(path_, this, QDBusConnection::ExportScriptableSlots);
  const auto reply =
      bus_.interface()->registerService(appId_, QDBusConnectionInterface::DontQueueService,
                                        QDBusConnectionInterface::DontAllowReplacement);
  if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceNotRegistered) {
    bus_.unregisterObject(path_);
    return Claim::Taken;
  }
  return Claim::First;
}

void DBusApplication::BringFirstForward() {
  QVariantMap platformData;
  const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
  if (!token.isEmpty()) platformData.insert(QStringLiteral("activation-token"), QString(token));
  const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");
  if (!startupId.isEmpty()) {
    platformData.insert(QStringLiteral("desktop-startup-id"), QString(startupId));
  }
  QDBusMessage activate = QDBusMessage::createMethodCall(
      appId_, path_, QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
  activate.setArguments({platformData});
  CallBounded(bus_, activate);
}

void DBusApplication::Activate(const QVariantMap& platformData) {
  // The token lets the first program take the focus on Wayland, as the launcher allowed it.
  const QString token = platformData.value(QStringLiteral("activation-token")).toString();
  if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
  if (activate_) activate_();
}

void DBusApplication::Open(const QStringList& /*uris*/, const QVariantMap& platformData) {
  Activate(platformData);
}

void DBusApplication::ActivateAction(const QString& /*name*/, const QVariantList& /*parameter*/,
                                     const QVariantMap& platformData) {
  Activate(platformData);
}

}  // namespace dawnquill
