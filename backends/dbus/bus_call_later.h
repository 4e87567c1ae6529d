#pragma once

#include <functional>
#include <limits>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace dawnquill {

inline constexpr int kNoCallLimit = std::numeric_limits<int>::max();

// Sends `call` without waiting for it, and hands its answer to `answered` from the event loop.
// Without a limit that is however late the answer comes: what a slow service grants after the
// program stopped wanting it can then still be given back. Past `limitMs` the answer is an error.
// On a bus that is not connected the answer is an error at once. No answer comes once `context`
// is gone.
void CallLater(const QDBusConnection& bus, const QDBusMessage& call, QObject* context,
               std::function<void(const QDBusMessage& answer)> answered,
               int limitMs = kNoCallLimit);

}  // namespace dawnquill
