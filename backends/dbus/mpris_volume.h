#pragma once

#include <QDBusConnection>

#include "backends/dbus/mpris_player.h"
#include "interfaces/player_volume.h"

namespace dawnquill {

// The MPRIS `Volume` of the player found last, 1.0 being its full volume, read and written only
// where the player says it may be controlled.
class MprisVolume final : public PlayerVolume {
 public:
  MprisVolume(const MprisPlayer& player, QDBusConnection bus)
      : player_(player), bus_(std::move(bus)) {}

  Result<VolumeLevel> Volume() override;
  Result<double> SetVolume(double level) override;

 private:
  const MprisPlayer& player_;
  QDBusConnection bus_;
};

}  // namespace dawnquill
