#include "backends/dbus/bus_calls.h"

#include <QDBusPendingCallWatcher>

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
