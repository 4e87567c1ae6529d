#pragma once

#include <memory>

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

#include "interfaces/sleep_inhibitor.h"

class OrgFreedesktopLogin1ManagerInterface;
class OrgFreedesktopPortalInhibitInterface;

namespace dawnquill {

// Holds the session awake through the desktop portal's Inhibit (flags "suspend" and "logout",
// so that a log-out asks the user first) where a portal answers on the session bus, else through
// logind's Inhibit ("idle", mode "block") on the system bus, whose descriptor is the hold.
// Neither there: nothing is held. A hold ends with Release, the object, or the process.
//
// Every call is asynchronous and its answer awaited however late: a hold granted after the
// program moved on (a new reason, or none) is given back as it arrives, and the old hold stays
// until the new one is in place.
class DBusSleepInhibitor final : public QObject, public SleepInhibitor {
 public:
  // The system bus is reached only when the session has no portal.
  explicit DBusSleepInhibitor(QDBusConnection session);
  ~DBusSleepInhibitor() override;
  DBusSleepInhibitor(const DBusSleepInhibitor&) = delete;
  DBusSleepInhibitor& operator=(const DBusSleepInhibitor&) = delete;

  // The desktop turns the screen on for the ring's window itself.
  void Hold(std::string_view reason, Awake awake, Answered answered) override;
  void Release() override;

 private:
  struct Lock {
    QString portal;                      // the unique name of the portal that holds it
    QDBusObjectPath portalRequest;       // the portal's hold, closed to release it
    QDBusUnixFileDescriptor logindLock;  // logind's hold, released with its last copy
    bool Held() const { return !portalRequest.path().isEmpty() || logindLock.isValid(); }
  };
  enum class Service { Portal, Logind };
  void Ask(Service service, const QString& reason, unsigned ask);
  void Replied(Service service, const QString& reason, unsigned ask, Lock fresh,
               const QDBusError& error);
  void Close(Lock& hold);

  QDBusConnection session_;
  std::unique_ptr<OrgFreedesktopPortalInhibitInterface> portal_;
  std::unique_ptr<OrgFreedesktopLogin1ManagerInterface> logind_;
  Lock held_;
  QString heldFor_;    // the reason of the hold in place
  QString wanted_;     // the reason asked for last; empty while nothing is wanted
  unsigned asks_ = 0;  // the hold asked for last; a grant of an earlier one is given back
  Answered answered_;  // who waits to hear what became of it
};

}  // namespace dawnquill
