#include "backends/dbus/bus_calls.h"

#include <limits>

#include <QDBusError>
#include <QDBusPendingCallWatcher>

namespace dawnquill::bus_calls {

QDBusPendingCall Send(QDBusAbstractInterface& proxy, int limitMs,
                      const std::function<QDBusPendingCall()>& call) {
  if (!proxy.connection().isConnected()) {
    return QDBusPendingCall::fromError(
        QDBusError(QDBusError::Disconnected, QStringLiteral("the bus is not connected")));
  }
  proxy.setTimeout(limitMs);
  return call();
}

void HandOn(const QDBusPendingCall& sent, QObject* context,
            std::function<void(const QDBusPendingCall&)> answered) {
  auto* watcher = new QDBusPendingCallWatcher(sent, context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                   [answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                     done->deleteLater();
                     answered(*done);
                   });
}

// libdbus takes the largest int for no limit at all.
int LimitMs(Wait wait) {
  return wait == Wait::CallLimit ? kCallLimitMs : std::numeric_limits<int>::max();
}

}  // namespace dawnquill::bus_calls
