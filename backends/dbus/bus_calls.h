#pragma once

#include <functional>
#include <limits>
#include <memory>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>

#include "core/call_limit.h"

// The two ways the program calls another on the bus: waiting for the answer at most the call
// limit, or handing the answer on later from the event loop. Every bus client calls through one
// of them, with a message or a proxy generated from the interface's XML.
namespace dawnquill {

inline constexpr int kNoCallLimit = std::numeric_limits<int>::max();

// The answer within the call limit; an error past it, or at once on a bus that is not connected.
QDBusMessage CallBounded(const QDBusConnection& bus, const QDBusMessage& call);

// A generated proxy whose every call gives up at the call limit.
template <typename Proxy>
std::unique_ptr<Proxy> BoundedProxy(const QString& service, const QString& path,
                                    const QDBusConnection& bus) {
  auto proxy = std::make_unique<Proxy>(service, path, bus);
  proxy->setTimeout(kCallLimitMs);
  return proxy;
}

// Hands the answer of `pending` to `answered` from the event loop. No answer comes once `context`
// is gone.
void AnswerLater(const QDBusPendingCall& pending, QObject* context,
                 std::function<void(const QDBusMessage& answer)> answered);

// Sends `call` without waiting for it, and hands its answer on as AnswerLater does. Without a
// limit that is however late the answer comes: what a slow service grants after the program
// stopped wanting it can then still be given back. Past `limitMs` the answer is an error. On a bus
// that is not connected the answer is an error at once.
void CallLater(const QDBusConnection& bus, const QDBusMessage& call, QObject* context,
               std::function<void(const QDBusMessage& answer)> answered,
               int limitMs = kNoCallLimit);

}  // namespace dawnquill
