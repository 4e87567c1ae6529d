#pragma once

#include <QDBusConnection>
#include <QObject>

#include "backends/dbus/mpris_player.h"
#include "backends/pulse/sound_server.h"
#include "interfaces/player_listener.h"

namespace dawnquill {

// Listens for the MPRIS player found last: its own word (PlaybackStatus, Volume, Position) and,
// through the bus's word on which process owns it, how the sound server plays that process's
// streams. The two questions go out together, each within the call bound.
class MprisListener final : public QObject, public PlayerListener {
 public:
  MprisListener(QDBusConnection bus, const MprisPlayer& player, SoundServer& sound)
      : bus_(std::move(bus)), player_(player), sound_(sound) {}

  void Listen(std::function<void(const PlayerSound&)> heard) override;
  void Done() override;

 private:
  QDBusConnection bus_;
  const MprisPlayer& player_;
  SoundServer& sound_;
  unsigned round_ = 0;  // answers from before Done are dropped
};

}  // namespace dawnquill
