// A stand-in media player for tests: owns the bus names it is given, answers the MPRIS player
// methods and appends "<player> <method>", the player being its first name less
// "org.mpris.MediaPlayer2.", to a log file for every call. With --hang it never answers, like a
// player that has locked up; with --no-pause its CanPause is false, with --no-play its CanPlay.
#include <cstdio>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>

namespace {

class FakePlayer final : public QDBusVirtualObject {
 public:
  FakePlayer(QString logPath, QString name, bool hang, bool canPause, bool canPlay)
      : logPath_(std::move(logPath)),
        name_(std::move(name)),
        hang_(hang),
        canPause_(canPause),
        canPlay_(canPlay) {}

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties")) {
      // Without a track to play it names none.
      const QVariantMap track{{QStringLiteral("xesam:title"), name_}};
      const QVariantMap all{{QStringLiteral("CanPause"), canPause_},
                            {QStringLiteral("CanPlay"), canPlay_},
                            {QStringLiteral("Metadata"), canPlay_ ? track : QVariantMap()}};
      if (message.member() == QLatin1String("GetAll")) {
        return connection.send(message.createReply(all));
      }
      const QVariant value = all.value(message.arguments().value(1).toString());
      if (message.member() != QLatin1String("Get") || !value.isValid()) return false;
      return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
    }
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
  bool canPause_;
  bool canPlay_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool hang = args.removeAll(QStringLiteral("--hang")) > 0;
  const bool canPause = args.removeAll(QStringLiteral("--no-pause")) == 0;
  const bool canPlay = args.removeAll(QStringLiteral("--no-play")) == 0;
  if (args.size() < 2) {
    std::fprintf(stderr,
                 "usage: fake_mpris_player LOGFILE [--hang] [--no-pause] [--no-play] NAME...\n");
    return 2;
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  FakePlayer player(args[0], args[1], hang, canPause, canPlay);
  if (!bus.registerVirtualObject(QStringLiteral("/org/mpris/MediaPlayer2"), &player)) return 1;
  for (const QString& name : args.mid(1)) {
    if (!bus.registerService(name)) return 1;
  }
  return app.exec();
}
