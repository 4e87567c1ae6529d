#include "backends/dbus/bus_call_later.h"

#include <limits>

#include <QDBusPendingCallWatcher>

namespace dawnquill {

void CallLater(const QDBusConnection& bus, const QDBusMessage& call, QObject* context,
               std::function<void(const QDBusMessage& answer)> answered) {
  if (!bus.isConnected()) {
    return answered(call.createErrorReply(QDBusError::Disconnected,
                                          QStringLiteral("The bus is not connected.")));
  }
  // No time limit: the call holds nothing up, and a late answer still arrives.
  constexpr int kForever = std::numeric_limits<int>::max();
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kForever), context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                   [answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                     done->deleteLater();
                     answered(done->reply());
                   });
}

}  // namespace dawnquill
