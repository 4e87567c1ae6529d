#include "backends/dbus/dbus_application.h"

#include "application_interface.h"
#include "backends/dbus/bus_calls.h"

namespace dawnquill {
namespace {

// RequestName's flag and answer, libdbus's DBUS_NAME_FLAG_DO_NOT_QUEUE and
// DBUS_REQUEST_NAME_REPLY_EXISTS: a second start must not wait in line for the name to pass to it.
constexpr uint kDoNotQueue = 4;
constexpr uint kNameExists = 3;

}  // namespace

DBusApplication::DBusApplication(QDBusConnection bus, QString appId)
    : bus_(std::move(bus)),
      appId_(std::move(appId)),
      path_(u'/' + QString(appId_).replace(u'.', u'/')) {}

DBusApplication::Claim DBusApplication::ClaimSession() {
  // Served before the name is owned, so that a second start never finds the name without it.
  bus_.registerObject(path_, this, QDBusConnection::ExportScriptableSlots);
  const auto owned = CallBounded(
      BusDaemon(bus_), [this](auto& bus) { return bus.RequestName(appId_, kDoNotQueue); });
  if (!owned.isError() && owned.value() == kNameExists) {
    bus_.unregisterObject(path_);
    return Claim::Taken;
  }
  return Claim::First;
}

// Asked of the first program's own connection, found first: a proxy for the name would ask who
// owns it without our bound.
void DBusApplication::BringFirstForward() {
  QVariantMap platformData;
  const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
  if (!token.isEmpty()) platformData.insert(QStringLiteral("activation-token"), QString(token));
  const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");
  if (!startupId.isEmpty()) {
    platformData.insert(QStringLiteral("desktop-startup-id"), QString(startupId));
  }
  const auto first =
      CallBounded(BusDaemon(bus_), [this](auto& bus) { return bus.GetNameOwner(appId_); });
  if (first.isError()) return;
  CallBounded(OrgFreedesktopApplicationInterface(first.value(), path_, bus_),
              [&platformData](auto& app) { return app.Activate(platformData); });
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
