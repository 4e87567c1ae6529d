#include "backends/dbus/dbus_sleep_inhibitor.h"

#include <QVariantMap>

#include "backends/dbus/bus_calls.h"
#include "portal_inhibit_interface.h"

namespace dawnquill {
namespace {

// Log-out as well as suspend: the desktop's log-out dialog then names the program and why.
constexpr unsigned kPortalLogOutAndSuspend = 1 | 4;

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

}  // namespace

void DBusSleepInhibitor::Hold(std::string_view reason, Awake /*awake*/, Answered answered) {
  const QString text = QString::fromUtf8(reason);
  answered_ = std::move(answered);
  if (text == wanted_) {
    if (heldFor_ == text) std::exchange(answered_, nullptr)({});
    return;  // else the answer to the ask under way is this one's too
  }
  wanted_ = text;
  Ask(Service::Portal, text, ++asks_);
}

void DBusSleepInhibitor::Release() {
  wanted_.clear();
  heldFor_.clear();
  answered_ = nullptr;
  ++asks_;
  Close(held_);
}

void DBusSleepInhibitor::Ask(Service service, const QString& reason, unsigned ask) {
  auto answered = [this, service, reason, ask](const QDBusMessage& answer) {
    Replied(service, reason, ask, answer);
  };
  if (service == Service::Portal) {
    OrgFreedesktopPortalInhibitInterface portal(
        kPortal, QStringLiteral("/org/freedesktop/portal/desktop"), session_);
    return AnswerLater(portal.Inhibit(QString(), kPortalLogOutAndSuspend,
                                      QVariantMap{{QStringLiteral("reason"), reason}}),
                       this, answered);
  }
  QDBusMessage logind = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
  logind.setArguments(
      {QStringLiteral("idle"), QStringLiteral("DawnQuill"), reason, QStringLiteral("block")});
  CallLater(QDBusConnection::systemBus(), logind, this, answered);
}

void DBusSleepInhibitor::Replied(Service service, const QString& reason, unsigned ask,
                                 const QDBusMessage& answer) {
  Lock fresh;
  if (answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty()) {
    const QVariant first = answer.arguments().constFirst();
    if (service == Service::Portal) {
      fresh.portalRequest = first.value<QDBusObjectPath>();
    } else {
      fresh.logindLock = first.value<QDBusUnixFileDescriptor>();
    }
  }
  if (ask != asks_) return Close(fresh);
  if (!fresh.Held() && service == Service::Portal) return Ask(Service::Logind, reason, ask);
  const SleepInhibitor::Answered answered = std::exchange(answered_, nullptr);
  if (!fresh.Held()) {
    wanted_.clear();  // the next hold asks again
    if (answered) {
      answered(Failure{"neither the desktop portal nor logind holds it: " +
                       answer.errorMessage().toStdString()});
    }
    return;
  }
  Close(held_);
  held_ = fresh;
  heldFor_ = reason;
  if (answered) answered({});
}

void DBusSleepInhibitor::Close(Lock& hold) {
  if (!hold.portalRequest.path().isEmpty() && session_.isConnected()) {
    OrgFreedesktopPortalRequestInterface(kPortal, hold.portalRequest.path(), session_).Close();
  }
  hold = {};
}

}  // namespace dawnquill
