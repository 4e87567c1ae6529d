#include "backends/dbus/bus_call_later.h"

#include <QDBusPendingCallWatcher>

namespace dawnquill {

void CallLater(const QDBusConnection& bus, const QDBusMessage& call, QObject* context,
               std::function<void(const QDBusMessage& answer)> answered, int limitMs) {
  if (!bus.isConnected()) {
    return answered(call.createErrorReply(QDBusError::Disconnected,
                                          QStringLiteral("The bus is not connected.")));
  }
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, limitMs), context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                   [answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                     done->deleteLater();
                     answered(done->reply());
                   });
}

}  // namespace dawnquill
