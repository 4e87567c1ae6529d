#pragma once

#include <functional>
#include <type_traits>

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QObject>

#include "bus_daemon_interface.h"
#include "core/call_limit.h"

// The two ways the program calls another on the bus, each through a proxy generated from the
// interface's XML: waiting for the answer at most the call limit, or handing the answer on later
// from the event loop. Nothing goes out another way, not even Qt's own questions to the bus
// (registerService and the like), which wait 25 s for their answers.
//
// Qt still asks by itself, as it makes a proxy for a well-known name, who owns the name, so that
// the proxy hears that owner's signals alone. Such a proxy is therefore made once and kept, where
// a service must be started by name or its signals heard; every other call goes to the unique name
// that owns the service, found with a call of its own.
//
// `call` is what is asked of the proxy, which may be made for the one call: one of its methods, or
// a function or lambda that takes the proxy and returns what one of its methods returns. The
// answer is that method's typed reply.
namespace dawnquill {

// How long an answer handed on later may take. Past the call limit it is an error; however late
// it comes, what a slow service grants after the program stopped wanting it can still be given
// back.
enum class Wait { CallLimit, HoweverLate };

template <typename Proxy, typename Call>
using ReplyOf = std::invoke_result_t<Call, std::remove_reference_t<Proxy>&>;

namespace bus_calls {

// Sends what `call` asks, to be answered within `limitMs`. On a bus that is not connected the
// answer is an error at once: Qt's would never come.
QDBusPendingCall Send(QDBusAbstractInterface& proxy, int limitMs,
                      const std::function<QDBusPendingCall()>& call);
void HandOn(const QDBusPendingCall& sent, QObject* context,
            std::function<void(const QDBusPendingCall&)> answered);
int LimitMs(Wait wait);

}  // namespace bus_calls

// The answer within the call limit: an error past it, or at once on a bus that is not connected.
template <typename Proxy, typename Call>
ReplyOf<Proxy, Call> CallBounded(Proxy&& proxy, Call call) {
  ReplyOf<Proxy, Call> reply =
      bus_calls::Send(proxy, kCallLimitMs, [&] { return std::invoke(call, proxy); });
  reply.waitForFinished();
  return reply;
}

// Hands the answer to `answered` from the event loop, and never once `context` is gone.
template <typename Proxy, typename Call>
void CallLater(Proxy&& proxy, Call call, QObject* context,
               std::function<void(const ReplyOf<Proxy, Call>&)> answered, Wait wait) {
  bus_calls::HandOn(
      bus_calls::Send(proxy, bus_calls::LimitMs(wait), [&] { return std::invoke(call, proxy); }),
      context, [answered = std::move(answered)](const QDBusPendingCall& sent) { answered(sent); });
}

// Sends and wants no answer: a close, a clear.
template <typename Proxy, typename Call>
void CallLater(Proxy&& proxy, Call call) {
  bus_calls::Send(proxy, kCallLimitMs, [&] { return std::invoke(call, proxy); });
}

inline const QString kBusDaemon = QStringLiteral("org.freedesktop.DBus");
inline const QString kBusDaemonPath = QStringLiteral("/org/freedesktop/DBus");

// The bus itself. Unlike a proxy for another well-known name, which asks the bus for the name's
// owner as Qt makes it, this one costs nothing to make.
inline OrgFreedesktopDBusInterface BusDaemon(const QDBusConnection& bus) {
  return {kBusDaemon, kBusDaemonPath, bus};
}

}  // namespace dawnquill
