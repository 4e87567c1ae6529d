#include <chrono>
#include <memory>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "integration/processes.h"
#include "mpris_player_interface.h"
#include "platform/mpris/mpris_player.h"
#include "player/player_remote.h"

namespace dawnquill::testing {
namespace {

using namespace std::chrono_literals;

// A private bus for each test, the player remote on it, and players started on demand.
class MprisTest : public ::testing::Test {
 protected:
  MprisTest()
      : bus_(QDBusConnection::connectToBus(QString::fromStdString(privateBus_.Address()),
                                           QStringLiteral("test%1").arg(++connections_))),
        player_(std::make_unique<MprisPlayer>(bus_)),
        remote_(*player_) {}

  ~MprisTest() override {
    players_.clear();
    QDBusConnection::disconnectFromBus(bus_.name());
  }

  // Starts a fake player that owns `names` and waits until the remote has seen them.
  void StartFake(const QStringList& names, const char* flag = nullptr) {
    std::vector<std::string> argv{FAKE_MPRIS_PLAYER, log_.toStdString()};
    if (flag != nullptr) argv.emplace_back(flag);
    for (const QString& name : names) argv.push_back(name.toStdString());
    players_.emplace_back(argv, Env());
    ASSERT_TRUE(WaitOwned(names.last()));
  }

  // Waits for the bus to report the change, then lets the events run once, as the program's
  // event loop does between two ticks, so that the remote has heard of it too.
  bool WaitOwned(const QString& name, bool owned = true) {
    const bool done =
        WaitFor([&] { return bus_.interface()->isServiceRegistered(name).value() == owned; });
    QCoreApplication::processEvents();
    return done;
  }

  std::vector<std::string> Env() const {
    return {"DBUS_SESSION_BUS_ADDRESS=" + privateBus_.Address()};
  }

  // What the fake players were asked, one "<name> <method>" a call, joined by commas.
  std::string Calls() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll())
        .split(u'\n', Qt::SkipEmptyParts)
        .join(u',')
        .toStdString();
  }

  static inline int connections_ = 0;
  PrivateBus privateBus_;
  QDBusConnection bus_;
  std::unique_ptr<MprisPlayer> player_;
  PlayerRemote remote_;
  QTemporaryDir dir_;
  QString log_ = dir_.filePath(QStringLiteral("calls.log"));
  std::vector<Child> players_;
};

const QString kFake = QStringLiteral("org.mpris.MediaPlayer2.fake");

TEST_F(MprisTest, EachCommandIsOneCallOfItsMethodAndStopIsAPause) {
  StartFake({kFake});
  EXPECT_TRUE(remote_.Play());
  EXPECT_TRUE(remote_.Pause());
  EXPECT_TRUE(remote_.Stop());
  EXPECT_TRUE(remote_.NextTrack());
  EXPECT_TRUE(remote_.PreviousTrack());
  EXPECT_EQ(Calls(), "fake Play,fake Pause,fake Pause,fake Next,fake Previous");
  EXPECT_TRUE(QString::fromStdString(player_->Found()).startsWith(u':'));
}

// A live stream cannot pause and ignores Pause: it gets Stop.
TEST_F(MprisTest, APlayerThatCannotPauseIsStopped) {
  StartFake({kFake}, "--no-pause");
  EXPECT_TRUE(remote_.Play());
  EXPECT_TRUE(remote_.Stop());
  EXPECT_EQ(Calls(), "fake Play,fake Stop");
}

TEST_F(MprisTest, TheFirstPlayerInSortedOrderIsUsedAndDecoysNeverAre) {
  StartFake({QStringLiteral("org.mpris.MediaPlayer2.chromium.instance1")});
  StartFake({QStringLiteral("org.mpris.MediaPlayer2.kdeconnect.mpris_1")});
  EXPECT_FALSE(remote_.Running());  // only decoys on the bus
  EXPECT_FALSE(remote_.Play());
  StartFake({QStringLiteral("org.mpris.MediaPlayer2.vlc")});
  StartFake({QStringLiteral("org.mpris.MediaPlayer2.audacious")}, "--no-play");
  EXPECT_TRUE(remote_.Play());  // the first in order has nothing to play
  EXPECT_EQ(Calls(), "vlc Play");
}

TEST_F(MprisTest, ARestartedPlayerIsReachedWithoutAnyReset) {
  StartFake({kFake});
  ASSERT_TRUE(remote_.Running());
  const std::string first = player_->Found();
  players_.clear();
  ASSERT_TRUE(WaitOwned(kFake, false));
  EXPECT_FALSE(remote_.Running());
  StartFake({kFake});
  EXPECT_TRUE(remote_.Play());
  EXPECT_NE(player_->Found(), first);
  EXPECT_EQ(Calls(), "fake Play");
}

TEST_F(MprisTest, APlayerGoneBetweenSearchAndSendCostsNothing) {
  StartFake({kFake});
  ASSERT_TRUE(remote_.Running());
  players_.clear();
  player_->Send(PlayerCommand::Play);
  EXPECT_EQ(Calls(), "");
}

TEST_F(MprisTest, APlayerThatNeverAnswersHoldsTheCallerOnlyForTheBound) {
  StartFake({kFake}, "--hang");
  const auto start = std::chrono::steady_clock::now();
  remote_.Play();
  const auto held = std::chrono::steady_clock::now() - start;
  EXPECT_LT(held, MprisPlayer::kCallTimeout + 2s);  // generous: shared machines
  EXPECT_EQ(Calls(), "fake Play");
}

TEST(MprisWithoutBus, NoSessionBusMeansNoPlayerAndNoCrash) {
  QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                       QStringLiteral("nobus"));
  MprisPlayer player(none);
  PlayerRemote remote(player);
  EXPECT_FALSE(remote.Running());
  EXPECT_FALSE(remote.Play());
}

// Real players, judged by their Position, since mpv's PlaybackStatus is unreliable after Stop: an
// mpv with nothing to play beside one with a tone, which is the one that sounds; it stops, and
// plays again at the next ring.
TEST_F(MprisTest, TheMpvWithSomethingToPlayPlaysStopsAndPlaysAgain) {
  const QString tone = dir_.filePath(QStringLiteral("a.wav"));
  Child sox({"sox", "-n", "-r", "44100", "-c", "2", "-b", "16", tone.toStdString(), "synth", "20",
             "sine", "440"});
  ASSERT_TRUE(WaitFor([&] { return !sox.Running(); }));
  const auto mpv = [&](std::vector<std::string> files) {
    std::vector<std::string> argv{"mpv",
                                  "--no-config",
                                  "--script=/usr/lib/mpv-mpris/mpris.so",
                                  "--no-terminal",
                                  "--really-quiet",
                                  "--idle=yes",
                                  "--keep-open=yes",
                                  "--loop-playlist=inf",
                                  "--vo=null",
                                  "--no-video",
                                  "--ao=null",
                                  "--pause"};
    argv.insert(argv.end(), files.begin(), files.end());
    players_.emplace_back(argv, Env());
  };
  mpv({});
  ASSERT_TRUE(WaitOwned(QStringLiteral("org.mpris.MediaPlayer2.mpv")));
  mpv({tone.toStdString()});
  const QString name =
      QStringLiteral("org.mpris.MediaPlayer2.mpv.instance%1").arg(players_.back().Pid());
  ASSERT_TRUE(WaitOwned(name));
  // A connection of its own: a proxy on a well-known name makes Qt track that name's owner.
  const QDBusConnection probe = QDBusConnection::connectToBus(
      QString::fromStdString(privateBus_.Address()), QStringLiteral("probe"));
  OrgMprisMediaPlayer2PlayerInterface player(name, QStringLiteral("/org/mpris/MediaPlayer2"),
                                             probe);
  ASSERT_TRUE(WaitFor([&] { return player.playbackStatus() == QLatin1String("Paused"); }));
  // Chosen once it has loaded its tone.
  const std::string owner = bus_.interface()->serviceOwner(name).value().toStdString();
  ASSERT_TRUE(WaitFor([&] { return remote_.Running() && player_->Found() == owner; }));

  const auto advancing = [&] {
    const qlonglong before = player.position();
    std::this_thread::sleep_for(300ms);
    return player.position() > before;
  };
  ASSERT_TRUE(remote_.Play());
  EXPECT_TRUE(WaitFor(advancing, 3s));
  ASSERT_TRUE(remote_.Stop());
  EXPECT_TRUE(WaitFor([&] { return !advancing(); }, 3s));
  ASSERT_TRUE(remote_.Play());
  EXPECT_TRUE(WaitFor(advancing, 3s)) << "the ring after a snooze must sound again";

  players_.clear();
  ASSERT_TRUE(WaitOwned(name, false));
  EXPECT_FALSE(remote_.Running());
}

}  // namespace
}  // namespace dawnquill::testing

int main(int argc, char** argv) {
  // The bus address of the machine must not leak into the tests.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/session");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
