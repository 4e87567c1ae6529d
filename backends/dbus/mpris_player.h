#pragma once

#include <map>
#include <memory>
#include <string>

#include <QDBusConnection>
#include <QObject>

#include "core/texts.h"
#include "interfaces/media_player.h"

class OrgFreedesktopDBusInterface;
class OrgMprisMediaPlayer2PlayerInterface;

namespace dawnquill {

// The media player on the session D-Bus: an MPRIS 2 player, reached through the unique
// connection name that owns the player's bus name, so that a restarted player is a new one.
//
// The list of players is kept current from the bus's name-owner signals, so that the check at
// every tick costs no round trip; only an empty list is read afresh from the bus. The signals
// come for every name on the bus (Qt 6.4 cannot ask the bus for a prefix) and are filtered here.
class MprisPlayer final : public QObject, public MediaPlayer {
  Q_OBJECT

 public:
  explicit MprisPlayer(QDBusConnection bus);
  ~MprisPlayer() override;

  bool Find() override;
  Result<> Send(PlayerCommand command) override;
  // The player says nothing of a list's place, so `again` is of no use.
  void Open(const std::string& uri, const std::string& path, std::optional<ListEntry> again,
            Opened opened) override;
  void ReadPlaying(std::function<void(Result<PlayingNow>)> read) override;
  // Any MPRIS player will do, so none is named.
  MissingPlayerPrompt Missing() const override {
    return {Tr("No media player is running. Please start a media player to use the alarm."),
            Tr("No media player running")};
  }

  // The unique name of the player found last; empty when none was.
  const std::string& Found() const { return found_; }

 private:
  void ReadPlayersFromBus();
  bool CanPlay(const QString& owner) const;
  bool CanPause(const QString& owner) const;
  OrgMprisMediaPlayer2PlayerInterface& Proxy();
  void NameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

 private:
  QDBusConnection bus_;
  std::unique_ptr<OrgFreedesktopDBusInterface> busDaemon_;  // who is on the bus
  std::map<std::string, std::string> owners_;  // bus name of a player -> its unique name
  std::string found_;
  std::unique_ptr<OrgMprisMediaPlayer2PlayerInterface> proxy_;  // for the last player used
};

}  // namespace dawnquill
