#include "backends/dbus/mpris_player.h"

#include <vector>

#include <QDBusVariant>

#include "backends/dbus/bus_calls.h"
#include "backends/dbus/mpris_properties.h"
#include "bus_daemon_interface.h"
#include "mpris_player_interface.h"
#include "player/mpris_names.h"

namespace dawnquill {
namespace {

auto ProxyMethod(mpris::Method method) {
  switch (method) {
    case mpris::Method::Play:
      return &OrgMprisMediaPlayer2PlayerInterface::Play;
    case mpris::Method::Pause:
      return &OrgMprisMediaPlayer2PlayerInterface::Pause;
    case mpris::Method::Stop:
      break;
  }
  return &OrgMprisMediaPlayer2PlayerInterface::Stop;
}

}  // namespace

// A player can play when it says so and names a track to play: mpv says it can with an empty
// playlist.
bool MprisPlayer::CanPlay(const QString& owner) const {
  const auto read = CallBounded(PlayerObject(owner, bus_), GetPlayerProperties);
  return !read.isError() && read.value().value(QStringLiteral("CanPlay")).toBool() &&
         NamesATrack(read.value());
}

// A player that does not answer counts as able.
bool MprisPlayer::CanPause(const QString& owner) const {
  const auto read = CallBounded(PlayerObject(owner, bus_), [](auto& player) {
    return player.Get(kPlayerInterface, QStringLiteral("CanPause"));
  });
  return read.isError() || read.value().variant().toBool();
}

MprisPlayer::MprisPlayer(QDBusConnection bus)
    : bus_(std::move(bus)),
      busDaemon_(std::make_unique<OrgFreedesktopDBusInterface>(kBusDaemon, kBusDaemonPath, bus_)) {
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
  const auto names = CallBounded(*busDaemon_, &OrgFreedesktopDBusInterface::ListNames);
  if (names.isError()) return;
  for (const QString& name : names.value()) {
    if (!mpris::IsWakingPlayer(name.toStdString())) continue;
    const auto owner =
        CallBounded(*busDaemon_, [&name](auto& bus) { return bus.GetNameOwner(name); });
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
    proxy_ = std::make_unique<OrgMprisMediaPlayer2PlayerInterface>(service, kPlayerPath, bus_);
  }
  return *proxy_;
}

Result<> MprisPlayer::Send(PlayerCommand command) {
  if (found_.empty()) return Failure{"no media player runs"};
  // Asked only before a stop, so that other commands cost one round trip.
  const bool canPause = command != PlayerCommand::Stop || CanPause(QString::fromStdString(found_));
  // Within the bound, so that the player plays before the ring's window opens.
  const auto reply = CallBounded(Proxy(), ProxyMethod(mpris::MethodFor(command, canPause)));
  if (reply.isError()) return Failure{reply.error().message().toStdString()};
  return {};
}

// Whatever the player lists in SupportedUriSchemes: mpv lists no file scheme and opens files.
// Paused first, the player waits with the track for the Play that follows the proof: mpv's
// plugin goes on saying Stopped of a file it opened while idle, until its pause changes. The bus
// keeps the two calls in order.
void MprisPlayer::Open(const std::string& uri, const std::string& /*path*/,
                       std::optional<ListEntry> /*again*/, Opened opened) {
  if (found_.empty()) return opened(Failure{"no media player runs"});
  CallLater(Proxy(), &OrgMprisMediaPlayer2PlayerInterface::Pause);
  CallLater(
      Proxy(), [&uri](auto& player) { return player.OpenUri(QString::fromStdString(uri)); }, this,
      [opened = std::move(opened)](const QDBusPendingReply<>& reply) {
        if (reply.isError()) return opened(Failure{reply.error().message().toStdString()});
        opened(std::optional<ListEntry>{});
      },
      Wait::CallLimit);
}

void MprisPlayer::ReadPlaying(std::function<void(Result<PlayingNow>)> read) {
  if (found_.empty()) return read(Failure{"no media player runs"});
  CallLater(
      PlayerObject(QString::fromStdString(found_), bus_),
      [](auto& player) { return player.Get(kPlayerInterface, QStringLiteral("Metadata")); }, this,
      [read = std::move(read)](const QDBusPendingReply<QDBusVariant>& reply) {
        if (reply.isError()) return read(Failure{reply.error().message().toStdString()});
        const auto track = qdbus_cast<QVariantMap>(reply.value().variant());
        read(PlayingNow{.url = track.value(QStringLiteral("xesam:url")).toString().toStdString(),
                        .position = std::nullopt});
      },
      Wait::CallLimit);
}

}  // namespace dawnquill
