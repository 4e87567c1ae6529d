// A stand-in media player for tests: owns the bus names it is given, answers the MPRIS player
// methods and appends "<player> <method>", the player being its first name less
// "org.mpris.MediaPlayer2.", to a log file for every call. With --hang it never answers, like a
// player that has locked up.
#include <cstdio>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>

namespace {

class FakePlayer final : public QDBusVirtualObject {
 public:
  FakePlayer(QString logPath, QString name, bool hang)
      : logPath_(std::move(logPath)), name_(std::move(name)), hang_(hang) {}

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.interface() != QLatin1String("org.mpris.MediaPlayer2.Player")) return false;
    {
      // Written and closed before the reply, so that the caller finds it once answered.
      QFile log(logPath_);
      if (log.open(QIODevice::Append)) {
        log.write((name_.section(u'.', 3) + u' ' + message.member() + u'\n').toUtf8());
      }
    }
    if (!hang_) connection.send(message.createReply());
    return true;
  }
  QString introspect(const QString&) const override { return {}; }

 private:
  QString logPath_;
  QString name_;
  bool hang_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool hang = args.removeAll(QStringLiteral("--hang")) > 0;
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: fake_mpris_player LOGFILE [--hang] NAME...\n");
    return 2;
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  FakePlayer player(args[0], args[1], hang);
  if (!bus.registerVirtualObject(QStringLiteral("/org/mpris/MediaPlayer2"), &player)) return 1;
  for (const QString& name : args.mid(1)) {
    if (!bus.registerService(name)) return 1;
  }
  return app.exec();
}
