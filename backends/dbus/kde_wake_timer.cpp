#include "backends/dbus/kde_wake_timer.h"

#include <QDBusObjectPath>
#include <QTimer>

#include "backends/dbus/bus_calls.h"
#include "power_management_interface.h"

namespace dawnquill {
namespace {

const QString kPowerManager = QStringLiteral("org.kde.Solid.PowerManagement");
const QString kPowerManagerPath = QStringLiteral("/org/kde/Solid/PowerManagement");

}  // namespace

KdeWakeTimer::KdeWakeTimer(QDBusConnection bus) : bus_(std::move(bus)) {
  if (bus_.isConnected()) {
    bus_.registerObject(QString::fromLatin1(kCallbackPath), this,
                        QDBusConnection::ExportScriptableSlots);
  }
}

// Asked of the power manager's own connection: a call to its name would start one where none
// runs.
void KdeWakeTimer::WakeAt(std::chrono::sys_seconds instant, Answered answered) {
  Cancel();
  CallLater(
      BusDaemon(bus_), [](auto& bus) { return bus.GetNameOwner(kPowerManager); }, this,
      [this, instant, ask = asks_,
       answered = std::move(answered)](const QDBusPendingReply<QString>& owner) mutable {
        if (owner.isError()) return answered(Failure{owner.error().message().toStdString()});
        Schedule(owner.value(), instant, ask, std::move(answered));
      },
      Wait::CallLimit);
}

void KdeWakeTimer::Schedule(const QString& owner, std::chrono::sys_seconds instant, unsigned ask,
                            Answered answered) {
  const auto seconds = static_cast<qulonglong>(instant.time_since_epoch().count());
  CallLater(
      OrgKdeSolidPowerManagementInterface(owner, kPowerManagerPath, bus_),
      [this, seconds](auto& powerManager) {
        return powerManager.scheduleWakeup(
            bus_.baseService(), QDBusObjectPath(QString::fromLatin1(kCallbackPath)), seconds);
      },
      this,
      [this, owner, ask, answered = std::move(answered)](const QDBusPendingReply<uint>& cookie) {
        if (cookie.isError()) return answered(Failure{cookie.error().message().toStdString()});
        const WakeUp granted{owner, cookie.value()};
        if (ask != asks_) {
          Clear(granted);
        } else {
          wakeUp_ = granted;
        }
        answered(WakeUpSet{});
      },
      Wait::HoweverLate);
}

void KdeWakeTimer::Cancel() {
  ++asks_;
  if (wakeUp_) Clear(*std::exchange(wakeUp_, std::nullopt));
}

void KdeWakeTimer::Clear(const WakeUp& wakeUp) {
  CallLater(OrgKdeSolidPowerManagementInterface(wakeUp.owner, kPowerManagerPath, bus_),
            [cookie = static_cast<int>(wakeUp.cookie)](auto& powerManager) {
              return powerManager.clearWakeup(cookie);
            });
}

void KdeWakeTimer::wakeupCallback(int cookie) {
  if (!wakeUp_ || static_cast<int>(wakeUp_->cookie) != cookie) return;
  wakeUp_.reset();  // spent
  // From the event loop, after the answer: a ring holds its tick until the user ends it.
  QTimer::singleShot(0, this, [this] {
    if (events_ != nullptr) events_->Woken();
  });
}

}  // namespace dawnquill
