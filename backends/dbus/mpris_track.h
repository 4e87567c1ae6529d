#pragma once

#include <QDBusArgument>
#include <QString>
#include <QVariantMap>

namespace dawnquill {

// Whether a player's properties name a track to play. mpv with an empty playlist names none,
// and its MPRIS plugin may still say it plays.
inline bool NamesATrack(const QVariantMap& playerProperties) {
  const auto track = qdbus_cast<QVariantMap>(playerProperties.value(QStringLiteral("Metadata")));
  return track.contains(QStringLiteral("xesam:url")) ||
         track.contains(QStringLiteral("xesam:title"));
}

}  // namespace dawnquill
