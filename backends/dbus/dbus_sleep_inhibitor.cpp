#include "backends/dbus/dbus_sleep_inhibitor.h"

#include <QDBusMessage>
#include <QVariantMap>

#include "core/call_limit.h"

namespace dawnquill {
namespace {

// Log-out as well as suspend: the desktop's log-out dialog then names the program and why.
constexpr unsigned kPortalLogOutAndSuspend = 1 | 4;

QDBusMessage Call(const QDBusConnection& bus, const QDBusMessage& call) {
  if (!bus.isConnected()) return {};
  return bus.call(call, QDBus::Block, kCallLimitMs);
}

}  // namespace

void DBusSleepInhibitor::Hold(std::string_view reason, Awake /*awake*/) {
  const QString text = QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size()));
  if (held_.Held() && text == reason_) return;
  // The new hold is taken before the old one goes, so that the computer is never left free.
  Lock fresh = HoldWithPortal(text);
  if (!fresh.Held()) fresh = HoldWithLogind(text);
  if (!fresh.Held()) return;
  Close(held_);
  held_ = fresh;
  reason_ = text;
}

void DBusSleepInhibitor::Release() { Close(held_); }

DBusSleepInhibitor::Lock DBusSleepInhibitor::HoldWithPortal(const QString& reason) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.portal.Desktop"),
      QStringLiteral("/org/freedesktop/portal/desktop"),
      QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
  call.setArguments(
      {QString(), kPortalLogOutAndSuspend, QVariantMap{{QStringLiteral("reason"), reason}}});
  const QDBusMessage reply = Call(session_, call);
  Lock hold;
  if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
    hold.portalRequest = reply.arguments().constFirst().value<QDBusObjectPath>();
  }
  return hold;
}

DBusSleepInhibitor::Lock DBusSleepInhibitor::HoldWithLogind(const QString& reason) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
  call.setArguments(
      {QStringLiteral("idle"), QStringLiteral("DawnQuill"), reason, QStringLiteral("block")});
  const QDBusMessage reply = Call(QDBusConnection::systemBus(), call);
  Lock hold;
  if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
    hold.logindLock = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
  }
  return hold;
}

void DBusSleepInhibitor::Close(Lock& hold) {
  if (!hold.portalRequest.path().isEmpty()) {
    Call(session_, QDBusMessage::createMethodCall(
                       QStringLiteral("org.freedesktop.portal.Desktop"), hold.portalRequest.path(),
                       QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")));
  }
  hold = {};
}

}  // namespace dawnquill
