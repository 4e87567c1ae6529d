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
      items_ << (item.startsWith(u'/') ? message.service() : item);
      std::printf("%s\n", qPrintable(items_.last()));
      std::fflush(stdout);
      return bus.send(message.createReply());
    }
    if (member == QLatin1String("RegisterStatusNotifierHost")) {
      return bus.send(message.createReply());
    }
    if (member == QLatin1String("Get")) {
      return bus.send(message.createReply(
          QVariant::fromValue(QDBusVariant(Property(message.arguments().value(1).toString())))));
    }
    if (member == QLatin1String("GetAll")) {
      QVariantMap all;
      for (const char* name :
           {"IsStatusNotifierHostRegistered", "ProtocolVersion", "RegisteredStatusNotifierItems"}) {
        all.insert(QLatin1String(name), Property(QLatin1String(name)));
      }
      return bus.send(message.createReply(all));
    }
    return false;
  }
  // Qt reads the host's properties through an introspected interface.
  QString introspect(const QString&) const override {
    return QStringLiteral(
        "<interface name=\"org.kde.StatusNotifierWatcher\">"
        "<method name=\"RegisterStatusNotifierItem\"><arg type=\"s\" direction=\"in\"/></method>"
        "<method name=\"RegisterStatusNotifierHost\"><arg type=\"s\" direction=\"in\"/></method>"
        "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
        "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
        "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
        "</interface>");
  }

 private:
  QVariant Property(const QString& name) const {
    if (name == QLatin1String("IsStatusNotifierHostRegistered")) return true;
    if (name == QLatin1String("ProtocolVersion")) return 0;
    return items_;
  }
  QStringList items_;
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
