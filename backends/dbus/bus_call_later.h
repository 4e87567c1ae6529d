#pragma once

#include <functional>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace dawnquill {

// Sends `call` without waiting for it, and hands its answer to `answered` from the event loop,
// however late it comes: what a slow service grants after the program stopped wanting it can
// then still be given back. On a bus that is not connected the answer is an error at once. No
// answer comes once `context` is gone.
void CallLater(const QDBusConnection& bus, const QDBusMessage& call, QObject* context,
               std::function<void(const QDBusMessage& answer)> answered);

}  // namespace dawnquill
