#include "backends/dbus/mpris_listener.h"

#include <memory>

#include <QDBusArgument>
#include <QDBusMessage>
#include <QTimer>

#include "backends/dbus/bus_calls.h"
#include "backends/dbus/mpris_track.h"
#include "core/call_limit.h"

namespace dawnquill {
namespace {

// The two answers of one question, and who waits for them.
struct Listening {
  PlayerSound sound;
  int awaited = 2;
  std::function<void(const PlayerSound&)> heard;
};

std::optional<bool> Playing(const QVariantMap& properties) {
  const QVariant status = properties.value(QStringLiteral("PlaybackStatus"));
  if (!status.isValid()) return std::nullopt;
  return status.toString() == QStringLiteral("Playing");
}

template <typename T>
std::optional<T> Number(const QVariantMap& properties, const QString& name) {
  const QVariant value = properties.value(name);
  if (!value.isValid() || !value.canConvert<T>()) return std::nullopt;
  return value.value<T>();
}

}  // namespace

void MprisListener::Listen(std::function<void(const PlayerSound&)> heard) {
  const QString owner = QString::fromStdString(player_.Found());
  auto listening = std::make_shared<Listening>();
  listening->heard = std::move(heard);
  // Every answer comes from the event loop, the bus's error for a lost connection included.
  const auto answered = [this, listening, round = round_] {
    if (--listening->awaited > 0) return;
    QTimer::singleShot(0, this, [this, listening, round] {
      if (round == round_) listening->heard(listening->sound);
    });
  };

  QDBusMessage properties = QDBusMessage::createMethodCall(
      owner, QStringLiteral("/org/mpris/MediaPlayer2"),
      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
  properties.setArguments({QStringLiteral("org.mpris.MediaPlayer2.Player")});
  CallLater(
      bus_, properties, this,
      [listening, answered](const QDBusMessage& answer) {
        if (answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty()) {
          const auto read = qdbus_cast<QVariantMap>(answer.arguments().constFirst());
          listening->sound.playing = Playing(read);
          if (read.contains(QStringLiteral("Metadata"))) {
            listening->sound.namesTrack = NamesATrack(read);
          }
          listening->sound.volume = Number<double>(read, QStringLiteral("Volume"));
          listening->sound.position = Number<qlonglong>(read, QStringLiteral("Position"));
        }
        answered();
      },
      kCallLimitMs);

  QDBusMessage process = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
  process.setArguments({owner});
  CallLater(
      bus_, process, this,
      [this, listening, answered](const QDBusMessage& answer) {
        if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
          return answered();
        }
        sound_.AskStreams(answer.arguments().constFirst().toUInt(),
                          [listening, answered](StreamSound stream, bool outputMuted) {
                            listening->sound.stream = stream;
                            listening->sound.outputMuted = outputMuted;
                            answered();
                          });
      },
      kCallLimitMs);
}

void MprisListener::Done() {
  ++round_;
  sound_.CloseStreams();
}

}  // namespace dawnquill
