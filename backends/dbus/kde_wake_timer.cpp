#include "backends/dbus/kde_wake_timer.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>

#include "backends/dbus/bus_calls.h"

namespace dawnquill {
namespace {

QDBusMessage PowerManagerCall(const QString& method, const QVariantList& arguments) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(QStringLiteral("org.kde.Solid.PowerManagement"),
                                     QStringLiteral("/org/kde/Solid/PowerManagement"),
                                     QStringLiteral("org.kde.Solid.PowerManagement"), method);
  call.setArguments(arguments);
  call.setAutoStartService(false);  // only a power manager that runs already
  return call;
}

}  // namespace

KdeWakeTimer::KdeWakeTimer(QDBusConnection bus) : bus_(std::move(bus)) {
  if (bus_.isConnected()) {
    bus_.registerObject(QString::fromLatin1(kCallbackPath), this,
                        QDBusConnection::ExportScriptableSlots);
  }
}

void KdeWakeTimer::WakeAt(std::chrono::sys_seconds instant, Answered answered) {
  Cancel();
  if (!bus_.isConnected()) return answered(Failure{"the session bus is not connected"});
  const QDBusMessage call = PowerManagerCall(
      QStringLiteral("scheduleWakeup"),
      {bus_.baseService(), QVariant::fromValue(QDBusObjectPath(QString::fromLatin1(kCallbackPath))),
       QVariant::fromValue(static_cast<qulonglong>(instant.time_since_epoch().count()))});
  CallLater(bus_, call, this,
            [this, ask = asks_, answered = std::move(answered)](const QDBusMessage& answer) {
              if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
                return answered(Failure{answer.errorMessage().toStdString()});
              }
              const uint cookie = answer.arguments().constFirst().toUInt();
              if (ask != asks_) {
                Clear(cookie);
              } else {
                cookie_ = cookie;
              }
              answered(WakeUpSet{});
            });
}

void KdeWakeTimer::Cancel() {
  ++asks_;
  if (cookie_) Clear(*std::exchange(cookie_, std::nullopt));
}

void KdeWakeTimer::Clear(uint cookie) {
  bus_.send(PowerManagerCall(QStringLiteral("clearWakeup"), {static_cast<int>(cookie)}));
}

void KdeWakeTimer::wakeupCallback(int cookie) {
  if (!cookie_ || static_cast<int>(*cookie_) != cookie) return;
  cookie_.reset();  // spent
  // From the event loop, after the answer: a ring holds its tick until the user ends it.
  QTimer::singleShot(0, this, [this] {
    if (events_ != nullptr) events_->Woken();
  });
}

}  // namespace dawnquill
