// A stand-in for what holds a session awake, on the session bus it is given: the desktop portal's
// Inhibit (`portal`) or logind's (`logind`, whose descriptor is the hold). Appends "held REASON"
// and "released REASON" to a log file, a release being a Close of the portal's request, the
// caller leaving the bus, or the last copy of logind's descriptor closing.
//   fake_inhibitor portal|logind LOGFILE
#include <cstdio>
#include <map>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

class Inhibitor final : public QDBusVirtualObject {
 public:
  Inhibitor(bool portal, const char* logPath, const QDBusConnection& bus)
      : portal_(portal), log_(std::fopen(logPath, "a")) {
    watcher_.setConnection(bus);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    // The caller left the bus: the portal drops what it held.
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered,
                     [this](const QString& caller) {
                       for (auto hold = holds_.begin(); hold != holds_.end();) {
                         hold = hold->second.caller == caller ? Release(hold) : std::next(hold);
                       }
                     });
  }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    const QString key = QStringLiteral("/org/freedesktop/portal/desktop/request/%1").arg(++count_);
    if (portal_ && message.member() == QLatin1String("Inhibit")) {
      Hold(key, qdbus_cast<QVariantMap>(message.arguments().value(2)).value("reason").toString(),
           message.service());
      watcher_.addWatchedService(message.service());
      return bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(key))));
    }
    if (portal_ && message.member() == QLatin1String("Close")) {
      if (holds_.count(message.path())) Release(holds_.find(message.path()));
      return bus.send(message.createReply());
    }
    int ends[2];
    if (message.member() != QLatin1String("Inhibit") || ::pipe2(ends, O_CLOEXEC) != 0) return false;
    Hold(key, message.arguments().value(2).toString(), {});
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, &watcher_);
    QObject::connect(notifier, &QSocketNotifier::activated, [this, notifier, key, ends] {
      char byte;
      if (::read(ends[0], &byte, 1) > 0) return;
      notifier->setEnabled(false);
      ::close(ends[0]);
      Release(holds_.find(key));
    });
    const bool sent =
        bus.send(message.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]))));
    ::close(ends[1]);
    return sent;
  }
  QString introspect(const QString&) const override { return {}; }

 private:
  struct Held {
    QString reason, caller;
  };
  void Hold(const QString& key, const QString& reason, const QString& caller) {
    holds_[key] = {reason, caller};
    std::fprintf(log_, "held %s\n", qPrintable(reason));
    std::fflush(log_);
  }
  std::map<QString, Held>::iterator Release(std::map<QString, Held>::iterator hold) {
    std::fprintf(log_, "released %s\n", qPrintable(hold->second.reason));
    std::fflush(log_);
    return holds_.erase(hold);
  }

  bool portal_;
  std::FILE* log_;
  QDBusServiceWatcher watcher_;
  int count_ = 0;
  std::map<QString, Held> holds_;  // request path -> what it holds
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: fake_inhibitor portal|logind LOGFILE\n");
    return 2;
  }
  const bool portal = QLatin1String(argv[1]) == QLatin1String("portal");
  QDBusConnection bus = QDBusConnection::sessionBus();
  Inhibitor inhibitor(portal, argv[2], bus);
  const QString path = portal ? QStringLiteral("/org/freedesktop/portal/desktop")
                              : QStringLiteral("/org/freedesktop/login1");
  if (!bus.registerVirtualObject(path, &inhibitor, QDBusConnection::SubPath)) return 1;
  const QString service = portal ? QStringLiteral("org.freedesktop.portal.Desktop")
                                 : QStringLiteral("org.freedesktop.login1");
  return bus.registerService(service) ? app.exec() : 1;
}
