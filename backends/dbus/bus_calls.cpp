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

namespace dawnquill {
namespace {

QDBusMessage NotConnected(const QDBusMessage& call) {
  return call.createErrorReply(QDBusError::Disconnected,
                               QStringLiteral("The bus is not connected."));
}

}  // namespace

QDBusMessage CallBounded(const QDBusConnection& bus, const QDBusMessage& call) {
  if (!bus.isConnected()) return NotConnected(call);
  return bus.call(call, QDBus::Block, kCallLimitMs);
}

void AnswerLater(const QDBusPendingCall& pending, QObject* context,
                 std::function<void(const QDBusMessage& answer)> answered) {
  auto* watcher = new QDBusPendingCallWatcher(pending, context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                   [answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                     done->deleteLater();
                     answered(done->reply());
                   });
}

void CallLater(const QDBusConnection& bus, const QDBusMessage& call, QObject* context,
               std::function<void(const QDBusMessage& answer)> answered, int limitMs) {
  if (!bus.isConnected()) return answered(NotConnected(call));
  AnswerLater(bus.asyncCall(call, limitMs), context, std::move(answered));
}

}  // namespace dawnquill
