#include "backends/dbus/dbus_sleep_inhibitor.h"

#include <QVariantMap>

#include "backends/dbus/bus_calls.h"
#include "logind_interface.h"
#include "portal_inhibit_interface.h"

namespace dawnquill {
namespace {

// Log-out as well as suspend: the desktop's log-out dialog then names the program and why.
constexpr unsigned kPortalLogOutAndSuspend = 1 | 4;

}  // namespace

DBusSleepInhibitor::DBusSleepInhibitor(QDBusConnection session) : session_(std::move(session)) {}

DBusSleepInhibitor::~DBusSleepInhibitor() { Release(); }

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

// Each proxy is made at its first ask, and kept: made, it asks the bus for its service's owner.
void DBusSleepInhibitor::Ask(Service service, const QString& reason, unsigned ask) {
  if (service == Service::Portal) {
    if (!portal_) {
      portal_ = std::make_unique<OrgFreedesktopPortalInhibitInterface>(
          QStringLiteral("org.freedesktop.portal.Desktop"),
          QStringLiteral("/org/freedesktop/portal/desktop"), session_);
    }
    return CallLater(
        *portal_,
        [&reason](auto& portal) {
          return portal.Inhibit(QString(), kPortalLogOutAndSuspend,
                                QVariantMap{{QStringLiteral("reason"), reason}});
        },
        this,
        [this, reason, ask](const QDBusPendingReply<QDBusObjectPath>& request) {
          Lock fresh;
          if (!request.isError()) {
            fresh.portal = request.reply().service();
            fresh.portalRequest = request.value();
          }
          Replied(Service::Portal, reason, ask, fresh, request.error());
        },
        Wait::HoweverLate);
  }
  if (!logind_) {
    logind_ = std::make_unique<OrgFreedesktopLogin1ManagerInterface>(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QDBusConnection::systemBus());
  }
  CallLater(
      *logind_,
      [&reason](auto& logind) {
        return logind.Inhibit(QStringLiteral("idle"), QStringLiteral("DawnQuill"), reason,
                              QStringLiteral("block"));
      },
      this,
      [this, reason, ask](const QDBusPendingReply<QDBusUnixFileDescriptor>& lock) {
        Lock fresh;
        if (!lock.isError()) fresh.logindLock = lock.value();
        Replied(Service::Logind, reason, ask, fresh, lock.error());
      },
      Wait::HoweverLate);
}

void DBusSleepInhibitor::Replied(Service service, const QString& reason, unsigned ask, Lock fresh,
                                 const QDBusError& error) {
  if (ask != asks_) return Close(fresh);
  if (!fresh.Held() && service == Service::Portal) return Ask(Service::Logind, reason, ask);
  const SleepInhibitor::Answered answered = std::exchange(answered_, nullptr);
  if (!fresh.Held()) {
    wanted_.clear();  // the next hold asks again
    if (answered) {
      answered(Failure{"neither the desktop portal nor logind holds it: " +
                       error.message().toStdString()});
    }
    return;
  }
  Close(held_);
  held_ = fresh;
  heldFor_ = reason;
  if (answered) answered({});
}

// To the portal that granted it, which alone knows the request.
void DBusSleepInhibitor::Close(Lock& hold) {
  if (!hold.portalRequest.path().isEmpty()) {
    CallLater(
        OrgFreedesktopPortalRequestInterface(hold.portal, hold.portalRequest.path(), session_),
        &OrgFreedesktopPortalRequestInterface::Close);
  }
  hold = {};
}

}  // namespace dawnquill
