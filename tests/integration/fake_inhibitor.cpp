// A stand-in for what holds a session awake, on the session bus it is given: the desktop portal's
// Inhibit (`portal`) or logind's (`logind`, whose descriptor is the hold). Appends "held REASON"
// and "released REASON" to a log file, a release being a Close of the portal's request, the
// caller leaving the bus, or the last copy of logind's descriptor closing.
//   fake_inhibitor portal|logind LOGFILE
#include <cstdio>
#include <map>
#include <vector>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

class Inhibitor final : public QDBusVirtualObject {
 public:
  Inhibitor(bool portal, QString logPath, const QDBusConnection& bus)
      : portal_(portal), logPath_(std::move(logPath)) {
    watcher_.setConnection(bus);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered,
                     [this](const QString& caller) { Gone(caller); });
  }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    if (message.member() == QLatin1String("Inhibit")) {
      return portal_ ? HoldForPortal(message, bus) : HoldForLogind(message, bus);
    }
    if (portal_ && message.member() == QLatin1String("Close")) {
      Release(message.path());
      return bus.send(message.createReply());
    }
    return false;
  }
  QString introspect(const QString&) const override { return {}; }

 private:
  // The caller left the bus: the portal drops what it held.
  void Gone(const QString& caller) {
    std::vector<QString> held;
    for (const auto& [path, owner] : callers_) {
      if (owner == caller) held.push_back(path);
    }
    for (const QString& path : held) Release(path);
  }

  bool HoldForPortal(const QDBusMessage& message, const QDBusConnection& bus) {
    const QString reason = qdbus_cast<QVariantMap>(message.arguments().value(2))
                               .value(QStringLiteral("reason"))
                               .toString();
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1").arg(++count_);
    reasons_[path] = reason;
    callers_[path] = message.service();
    watcher_.addWatchedService(message.service());
    Log(QStringLiteral("held ") + reason);
    return bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
  }

  bool HoldForLogind(const QDBusMessage& message, const QDBusConnection& bus) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    const QString key = QString::number(++count_);
    reasons_[key] = message.arguments().value(2).toString();
    auto* notifier =
        new QSocketNotifier(ends[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [this, notifier, key, ends] {
      char byte;
      if (::read(ends[0], &byte, 1) > 0) return;
      notifier->setEnabled(false);
      ::close(ends[0]);
      Release(key);
    });
    Log(QStringLiteral("held ") + reasons_[key]);
    const bool sent =
        bus.send(message.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]))));
    ::close(ends[1]);
    return sent;
  }

  void Release(const QString& key) {
    if (!reasons_.count(key)) return;
    Log(QStringLiteral("released ") + reasons_[key]);
    reasons_.erase(key);
    callers_.erase(key);
  }

  void Log(const QString& line) {
    QFile log(logPath_);
    if (log.open(QIODevice::Append)) log.write((line + u'\n').toUtf8());
  }

  bool portal_;
  QString logPath_;
  QDBusServiceWatcher watcher_;
  int count_ = 0;
  std::map<QString, QString> reasons_;  // hold -> reason
  std::map<QString, QString> callers_;  // portal hold -> the caller's unique name
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
  Inhibitor inhibitor(portal, QString::fromLocal8Bit(argv[2]), bus);
  const QString path = portal ? QStringLiteral("/org/freedesktop/portal/desktop")
                              : QStringLiteral("/org/freedesktop/login1");
  if (!bus.registerVirtualObject(path, &inhibitor, QDBusConnection::SubPath)) return 1;
  const QString service = portal ? QStringLiteral("org.freedesktop.portal.Desktop")
                                 : QStringLiteral("org.freedesktop.login1");
  return bus.registerService(service) ? app.exec() : 1;
}
