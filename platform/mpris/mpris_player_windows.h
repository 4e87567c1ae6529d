#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>

#include <QDBusConnection>
#include <QObject>

#include "platform/player_windows.h"

class OrgMprisMediaPlayer2PlayerInterface;

namespace dawnquill {

// The player remote's window search and message send on the session D-Bus: the player is an
// MPRIS 2 media player, its handle the unique connection name that owns the player's bus name.
//
// The list of players is kept current from the bus's name-owner signals, so that the check at
// every tick costs no round trip; only an empty list is read afresh from the bus. The signals
// come for every name on the bus (Qt 6.4 cannot ask the bus for a prefix) and are filtered here.
class MprisPlayerWindows final : public QObject, public PlayerWindows {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kCallTimeout{1000};

  explicit MprisPlayerWindows(QDBusConnection bus);
  ~MprisPlayerWindows() override;

  PlayerHandle FindByClass(std::string_view className) override;
  void Send(const PlayerHandle& window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override;

 private:
  void ReadPlayersFromBus();
  OrgMprisMediaPlayer2PlayerInterface& ProxyFor(const PlayerHandle& window);

 private Q_SLOTS:
  void NameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

 private:
  QDBusConnection bus_;
  std::map<std::string, std::string> owners_;  // bus name of a player -> its unique name
  std::unique_ptr<OrgMprisMediaPlayer2PlayerInterface> proxy_;  // for the last handle used
};

}  // namespace dawnquill
