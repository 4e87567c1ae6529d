#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusPendingReply>
#include <QString>
#include <QVariantMap>

#include "properties_interface.h"

namespace dawnquill {

inline const QString kPlayerPath = QStringLiteral("/org/mpris/MediaPlayer2");
inline const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// The player's object, reached through the unique name that owns the player's bus name.
inline OrgFreedesktopDBusPropertiesInterface PlayerObject(const QString& owner,
                                                          const QDBusConnection& bus) {
  return {owner, kPlayerPath, bus};
}

// What the player says of itself, in one call: the player choice and the listener read the same.
inline QDBusPendingReply<QVariantMap> GetPlayerProperties(
    OrgFreedesktopDBusPropertiesInterface& player) {
  return player.GetAll(kPlayerInterface);
}

// Whether a player's properties name a track to play. mpv with an empty playlist names none,
// and its MPRIS plugin may still say it plays.
inline bool NamesATrack(const QVariantMap& playerProperties) {
  const auto track = qdbus_cast<QVariantMap>(playerProperties.value(QStringLiteral("Metadata")));
  return track.contains(QStringLiteral("xesam:url")) ||
         track.contains(QStringLiteral("xesam:title"));
}

}  // namespace dawnquill
