#include "backends/dbus/mpris_volume.h"

#include <QDBusVariant>

#include "backends/dbus/bus_calls.h"
#include "backends/dbus/mpris_properties.h"

namespace dawnquill {

Result<VolumeLevel> MprisVolume::Volume() {
  const QString owner = QString::fromStdString(player_.Found());
  if (owner.isEmpty()) return Failure{"no media player runs"};
  const auto read = CallBounded(PlayerObject(owner, bus_), GetPlayerProperties);
  if (read.isError()) return Failure{read.error().message().toStdString()};
  const QVariantMap properties = read.value();
  if (!properties.value(QStringLiteral("CanControl")).toBool()) {
    return Failure{"the player does not let others control it"};
  }
  bool isNumber = false;
  const double level = properties.value(QStringLiteral("Volume")).toDouble(&isNumber);
  if (!isNumber) return Failure{"the player does not say it"};
  return VolumeLevel{.level = level, .full = 1};
}

Result<double> MprisVolume::SetVolume(double level) {
  const QString owner = QString::fromStdString(player_.Found());
  if (owner.isEmpty()) return Failure{"no media player runs"};
  const auto written = CallBounded(PlayerObject(owner, bus_), [level](auto& player) {
    return player.Set(kPlayerInterface, QStringLiteral("Volume"), QDBusVariant(level));
  });
  if (written.isError()) return Failure{written.error().message().toStdString()};
  return level;
}

}  // namespace dawnquill
