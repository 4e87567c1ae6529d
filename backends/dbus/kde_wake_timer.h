#pragma once

#include <optional>

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "interfaces/wake_timer.h"

namespace dawnquill {

// Wakes the computer through KDE's power manager where it runs on the session bus, which calls
// back at the instant; elsewhere a desktop program has no way to wake the machine, and the
// answer says so. No call waits: a wake-up granted after the program moved on to another instant,
// or to none, is cleared as its cookie arrives, however late.
class KdeWakeTimer final : public QObject, public WakeTimer {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.PowerManagement")

 public:
  static constexpr const char* kCallbackPath = "/org/dawnquill/DawnQuill/WakeUp";

  explicit KdeWakeTimer(QDBusConnection bus);

  void WakeAt(std::chrono::sys_seconds instant, Answered answered) override;
  void Cancel() override;
  void SetEvents(WakeTimerEvents* events) override { events_ = events; }

 public Q_SLOTS:
  Q_SCRIPTABLE void wakeupCallback(int cookie);

 private:
  // A wake-up the power manager holds for us, which only the one that granted it can clear.
  struct WakeUp {
    QString owner;
    uint cookie;
  };
  void Schedule(const QString& owner, std::chrono::sys_seconds instant, unsigned ask,
                Answered answered);
  void Clear(const WakeUp& wakeUp);

  QDBusConnection bus_;
  WakeTimerEvents* events_ = nullptr;
  std::optional<WakeUp> wakeUp_;
  unsigned asks_ = 0;  // the wake-up asked for last; an earlier one's cookie is cleared
};

}  // namespace dawnquill
