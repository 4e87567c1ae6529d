#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QString>

#include "interfaces/sleep_inhibitor.h"

namespace dawnquill {

// Holds the session awake through the desktop portal's Inhibit (flags "suspend" and "logout",
// so that a log-out asks the user first) where a portal answers on the session bus, else through
// logind's Inhibit ("idle", mode "block") on the system bus, whose descriptor is the hold.
// Neither there: nothing is held, and nothing is said. A hold ends with Release, the object, or
// the process.
class DBusSleepInhibitor final : public SleepInhibitor {
 public:
  // The system bus is reached only when the session has no portal.
  explicit DBusSleepInhibitor(QDBusConnection session) : session_(std::move(session)) {}
  ~DBusSleepInhibitor() override { Release(); }
  DBusSleepInhibitor(const DBusSleepInhibitor&) = delete;
  DBusSleepInhibitor& operator=(const DBusSleepInhibitor&) = delete;

  // The desktop turns the screen on for the ring's window itself.
  void Hold(std::string_view reason, Awake awake) override;
  void Release() override;

 private:
  struct Lock {
    QDBusObjectPath portalRequest;       // the portal's hold, closed to release it
    QDBusUnixFileDescriptor logindLock;  // logind's hold, released with its last copy
    bool Held() const { return !portalRequest.path().isEmpty() || logindLock.isValid(); }
  };
  Lock HoldWithPortal(const QString& reason);
  Lock HoldWithLogind(const QString& reason);
  void Close(Lock& hold);

  QDBusConnection session_;
  Lock held_;
  QString reason_;
};

}  // namespace dawnquill
