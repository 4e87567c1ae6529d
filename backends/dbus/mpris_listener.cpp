#include "backends/dbus/mpris_listener.h"

#include <memory>

#include <QTimer>

#include "backends/dbus/bus_calls.h"
#include "backends/dbus/mpris_properties.h"

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

  CallLater(
      PlayerObject(owner, bus_), GetPlayerProperties, this,
      [listening, answered](const QDBusPendingReply<QVariantMap>& read) {
        if (!read.isError()) {
          const QVariantMap properties = read.value();
          listening->sound.playing = Playing(properties);
          if (properties.contains(QStringLiteral("Metadata"))) {
            listening->sound.namesTrack = NamesATrack(properties);
          }
          listening->sound.volume = Number<double>(properties, QStringLiteral("Volume"));
          listening->sound.position = Number<qlonglong>(properties, QStringLiteral("Position"));
        }
        answered();
      },
      Wait::CallLimit);

  CallLater(
      BusDaemon(bus_), [&owner](auto& bus) { return bus.GetConnectionUnixProcessID(owner); }, this,
      [this, listening, answered](const QDBusPendingReply<uint>& process) {
        if (process.isError()) return answered();
        sound_.AskStreams(process.value(),
                          [listening, answered](StreamSound stream, bool outputMuted) {
                            listening->sound.stream = stream;
                            listening->sound.outputMuted = outputMuted;
                            answered();
                          });
      },
      Wait::CallLimit);
}

void MprisListener::Done() {
  ++round_;
  sound_.CloseStreams();
}

}  // namespace dawnquill
