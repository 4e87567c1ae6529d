// A stand-in StatusNotifierItem host for tests: owns org.kde.StatusNotifierWatcher, says a host
// is registered, and prints the service of every item that registers, one a line.
#include <cstdio>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>

namespace {

class Watcher final : public QDBusVirtualObject {
 public:
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    const QString member = message.member();
    if (member == QLatin1String("RegisterStatusNotifierItem")) {
      const QString item = message.arguments().value(0).toString();
      std::printf("%s\n", qPrintable(item.startsWith(u'/') ? message.service() : item));
      std::fflush(stdout);
      return bus.send(message.createReply());
    }
    if (member == QLatin1String("Get")) {  // IsStatusNotifierHostRegistered, all Qt reads
      return bus.send(message.createReply(QVariant::fromValue(QDBusVariant(true))));
    }
    return false;
  }
  // Qt reads the host's properties through an introspected interface.
  QString introspect(const QString&) const override {
    return QStringLiteral(
        "<interface name=\"org.kde.StatusNotifierWatcher\">"
        "<method name=\"RegisterStatusNotifierItem\"><arg type=\"s\" direction=\"in\"/></method>"
        "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
        "</interface>");
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();
  Watcher watcher;
  if (!bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher) ||
      !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
    return 1;
  }
  return app.exec();
}
