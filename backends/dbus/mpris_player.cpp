#include "backends/dbus/mpris_player.h"

#include <vector>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingReply>

#include "backends/dbus/bus_calls.h"
#include "backends/dbus/mpris_track.h"
#include "bus_daemon_interface.h"
#include "mpris_player_interface.h"
#include "player/mpris_names.h"

namespace dawnquill {
namespace {

const QString kPlayerPath = QStringLiteral("/org/mpris/MediaPlayer2");

// A property read with the call's bound; a player that does not answer counts as able.
bool SaysItCan(const OrgMprisMediaPlayer2PlayerInterface& player, const char* property) {
  const QVariant value = player.property(property);
  return !value.isValid() || value.toBool();
}

}  // namespace

// A player can play when it says so and names a track to play: mpv says it can with an empty
// playlist.
bool MprisPlayer::CanPlay(const QString& owner) const {
  QDBusMessage getAll = QDBusMessage::createMethodCall(
      owner, kPlayerPath, QStringLiteral("org.freedesktop.DBus.Properties"),
      QStringLiteral("GetAll"));
  getAll.setArguments({QStringLiteral("org.mpris.MediaPlayer2.Player")});
  const QDBusMessage reply = CallBounded(bus_, getAll);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
  return properties.value(QStringLiteral("CanPlay")).toBool() && NamesATrack(properties);
}

MprisPlayer::MprisPlayer(QDBusConnection bus)
    : bus_(std::move(bus)),
      busDaemon_(BoundedProxy<OrgFreedesktopDBusInterface>(
          QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"), bus_)) {
  connect(busDaemon_.get(), &OrgFreedesktopDBusInterface::NameOwnerChanged, this,
          &MprisPlayer::NameOwnerChanged);
  ReadPlayersFromBus();
}

MprisPlayer::~MprisPlayer() = default;

void MprisPlayer::NameOwnerChanged(const QString& name, const QString& /*oldOwner*/,
                                   const QString& newOwner) {
  const std::string key = name.toStdString();
  if (newOwner.isEmpty()) {
    owners_.erase(key);
  } else if (mpris::IsWakingPlayer(key)) {
    owners_[key] = newOwner.toStdString();
  }
}

void MprisPlayer::ReadPlayersFromBus() {
  owners_.clear();
  if (!bus_.isConnected()) return;
  QDBusPendingReply<QStringList> names = busDaemon_->ListNames();
  names.waitForFinished();
  if (names.isError()) return;
  for (const QString& name : names.value()) {
    if (!mpris::IsWakingPlayer(name.toStdString())) continue;
    QDBusPendingReply<QString> owner = busDaemon_->GetNameOwner(name);
    owner.waitForFinished();
    if (!owner.isError()) owners_[name.toStdString()] = owner.value().toStdString();
  }
}

bool MprisPlayer::Find() {
  if (owners_.empty()) ReadPlayersFromBus();
  std::vector<std::string> names;
  names.reserve(owners_.size());
  for (const auto& entry : owners_) names.push_back(entry.first);
  const auto chosen = mpris::ChoosePlayer(names, [this](const std::string& name) {
    return CanPlay(QString::fromStdString(owners_[name]));
  });
  found_ = chosen ? owners_[*chosen] : std::string();
  return !found_.empty();
}

// A unique name never passes to another process, so its proxy stays right for as long as the
// player found is the same.
OrgMprisMediaPlayer2PlayerInterface& MprisPlayer::Proxy() {
  const QString service = QString::fromStdString(found_);
  if (!proxy_ || proxy_->service() != service) {
    proxy_ = BoundedProxy<OrgMprisMediaPlayer2PlayerInterface>(service, kPlayerPath, bus_);
  }
  return *proxy_;
}

Result<> MprisPlayer::Send(PlayerCommand command) {
  if (found_.empty()) return Failure{"no media player runs"};
  if (!bus_.isConnected()) return Failure{"the session bus is not connected"};
  OrgMprisMediaPlayer2PlayerInterface& player = Proxy();
  // Asked only before a stop, so that other commands cost one round trip.
  const bool canPause = command != PlayerCommand::Stop || SaysItCan(player, "CanPause");
  QDBusPendingReply<> reply;
  switch (mpris::MethodFor(command, canPause)) {
    case mpris::Method::Play:
      reply = player.Play();
      break;
    case mpris::Method::Pause:
      reply = player.Pause();
      break;
    case mpris::Method::Stop:
      reply = player.Stop();
      break;
  }
  // Synchronous, so that the player plays before the ring's window opens.
  reply.waitForFinished();
  if (reply.isError()) return Failure{reply.error().message().toStdString()};
  return {};
}

}  // namespace dawnquill
