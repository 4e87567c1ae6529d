#include "backends/dbus/dbus_sleep_inhibitor.h"

#include <QVariantMap>

#include "backends/dbus/bus_calls.h"
#include "core/logger.h"
#include "portal_inhibit_interface.h"

namespace dawnquill {
namespace {

// Log-out as well as suspend: the desktop's log-out dialog then names the program and why.
constexpr unsigned kPortalLogOutAndSuspend = 1 | 4;

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

}  // namespace

void DBusSleepInhibitor::Hold(std::string_view reason, Awake /*awake*/) {
  const QString text = QString::fromUtf8(reason);
  if (text == wanted_) return;
  wanted_ = text;
  Ask(Service::Portal, text, ++asks_);
}

void DBusSleepInhibitor::Release() {
  wanted_.clear();
  ++asks_;
  Close(held_);
}

void DBusSleepInhibitor::Ask(Service service, const QString& reason, unsigned ask) {
  auto answered = [this, service, reason, ask](const QDBusMessage& answer) {
    Answered(service, reason, ask, answer);
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

void DBusSleepInhibitor::Answered(Service service, const QString& reason, unsigned ask,
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
  // Said once: on a desktop without either, every change of the alarm would say it again.
  if (!fresh.Held() && !toldNoHold_) {
    toldNoHold_ = true;
    logger::Write(
        {"The computer cannot be kept awake for the alarm: neither the desktop portal "
         "nor logind holds it. ",
         answer.errorMessage().toStdString()});
  }
  if (!fresh.Held()) return;
  Close(held_);
  held_ = fresh;
}

void DBusSleepInhibitor::Close(Lock& hold) {
  if (!hold.portalRequest.path().isEmpty() && session_.isConnected()) {
    OrgFreedesktopPortalRequestInterface(kPortal, hold.portalRequest.path(), session_).Close();
  }
  hold = {};
}

}  // namespace dawnquill
