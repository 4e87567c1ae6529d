#include <chrono>
#include <memory>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "mpris_player_interface.h"
#include "platform/mpris/mpris_player.h"
#include "player/player_remote.h"

namespace dawnquill::testing {
namespace {

using namespace std::chrono_literals;

// A process that a test starts and ends, by its PID.
struct Process final : QProcess {
  ~Process() override {
    kill();
    waitForFinished();
  }
};

// A private bus for each test, the player remote on it, and players started on demand.
class MprisTest : public ::testing::Test {
 protected:
  ~MprisTest() override { QDBusConnection::disconnectFromBus(bus_.name()); }

  static QString StartBus(Process& daemon) {
    daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    daemon.waitForReadyRead(5000);
    return QString::fromUtf8(daemon.readLine().trimmed());
  }

  void Start(const QString& program, const QStringList& args) {
    auto& process = *processes_.emplace_back(std::make_unique<Process>());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    process.setProcessEnvironment(env);
    process.start(program, args);
    ASSERT_TRUE(process.waitForStarted()) << program.toStdString();
  }
  // Starts a fake player that owns `name` and waits until the remote has seen it.
  void StartFake(const QString& name, QStringList flags = {}) {
    Start(QStringLiteral(FAKE_MPRIS_PLAYER), QStringList{log_} + flags + QStringList{name});
    ASSERT_TRUE(WaitOwned(name));
  }
  // Waits for the bus to report the change, then lets the events run once, as the program's
  // event loop does between two ticks, so that the remote has heard of it too.
  bool WaitOwned(const QString& name, bool owned = true) {
    const bool done = QTest::qWaitFor(
        [&] { return bus_.interface()->isServiceRegistered(name).value() == owned; }, 5000);
    QCoreApplication::processEvents();
    return done;
  }
  // What the fake players were asked, one "<name> <method>" a call, joined by commas.
  std::string Calls() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).trimmed().replace(u'\n', u',').toStdString();
  }

  Process daemon_;
  QString address_ = StartBus(daemon_);
  QDBusConnection bus_ = QDBusConnection::connectToBus(address_, address_);
  MprisPlayer player_{bus_};
  PlayerRemote remote_{player_};
  QTemporaryDir dir_;
  QString log_ = dir_.filePath(QStringLiteral("calls.log"));
  std::vector<std::unique_ptr<Process>> processes_;
};

const QString kFake = QStringLiteral("org.mpris.MediaPlayer2.fake");

TEST_F(MprisTest, EachCommandIsOneCallOfItsMethodAndStopIsAPause) {
  StartFake(kFake);
  EXPECT_TRUE(remote_.Play());
  EXPECT_TRUE(remote_.Pause());
  EXPECT_TRUE(remote_.Stop());
  EXPECT_TRUE(remote_.NextTrack());
  EXPECT_TRUE(remote_.PreviousTrack());
  EXPECT_EQ(Calls(), "fake Play,fake Pause,fake Pause,fake Next,fake Previous");
}

// A live stream cannot pause and ignores Pause: it gets Stop.
TEST_F(MprisTest, APlayerThatCannotPauseIsStopped) {
  StartFake(kFake, {"--no-pause"});
  EXPECT_TRUE(remote_.Play());
  EXPECT_TRUE(remote_.Stop());
  EXPECT_EQ(Calls(), "fake Play,fake Stop");
}

TEST_F(MprisTest, TheFirstPlayerInSortedOrderIsUsedAndDecoysNeverAre) {
  StartFake(QStringLiteral("org.mpris.MediaPlayer2.chromium.instance1"));
  StartFake(QStringLiteral("org.mpris.MediaPlayer2.kdeconnect.mpris_1"));
  EXPECT_FALSE(remote_.Play());  // only decoys on the bus
  StartFake(QStringLiteral("org.mpris.MediaPlayer2.vlc"));
  StartFake(QStringLiteral("org.mpris.MediaPlayer2.audacious"), {"--no-play"});
  EXPECT_TRUE(remote_.Play());  // the first in order has nothing to play
  EXPECT_EQ(Calls(), "vlc Play");
}

// A player that quits between the search and the command costs nothing; once it is back, under
// a new unique name, it is reached without any reset.
TEST_F(MprisTest, APlayerThatQuitsAndComesBackIsReachedAgain) {
  StartFake(kFake);
  ASSERT_TRUE(remote_.Running());
  const std::string first = player_.Found();
  processes_.clear();
  player_.Send(PlayerCommand::Play);
  ASSERT_TRUE(WaitOwned(kFake, false));
  EXPECT_FALSE(remote_.Running());
  StartFake(kFake);
  EXPECT_TRUE(remote_.Play());
  EXPECT_NE(player_.Found(), first);
  EXPECT_EQ(Calls(), "fake Play");
}

TEST_F(MprisTest, APlayerThatNeverAnswersHoldsTheCallerOnlyForTheBound) {
  StartFake(kFake, {"--hang"});
  const auto start = std::chrono::steady_clock::now();
  remote_.Play();
  EXPECT_LT(std::chrono::steady_clock::now() - start, MprisPlayer::kCallTimeout + 2s);
  EXPECT_EQ(Calls(), "fake Play");
}

TEST(MprisWithoutBus, NoSessionBusMeansNoPlayerAndNoCrash) {
  MprisPlayer player(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                   QStringLiteral("nobus")));
  EXPECT_FALSE(PlayerRemote(player).Play());
}

// Real players, judged by their Position: an mpv with nothing to play, first in sorted order,
// beside one with a tone, which is the one that sounds.
TEST_F(MprisTest, TheMpvWithSomethingToPlayIsTheOneThatSounds) {
  const QString tone = dir_.filePath(QStringLiteral("a.wav"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "2", "-b", "16",
                                                      tone, "synth", "20", "sine", "440"}),
            0);
  const QStringList mpv{"--no-config", "--script=/usr/lib/mpv-mpris/mpris.so", "--idle=yes",
                        "--really-quiet", "--vo=null", "--ao=null", "--pause"};
  Start(QStringLiteral("mpv"), mpv);
  ASSERT_TRUE(WaitOwned(QStringLiteral("org.mpris.MediaPlayer2.mpv")));
  Start(QStringLiteral("mpv"), mpv + QStringList{tone});
  const QString name =
      QStringLiteral("org.mpris.MediaPlayer2.mpv.instance%1").arg(processes_.back()->processId());
  ASSERT_TRUE(WaitOwned(name));
  // A connection of its own: a proxy on a well-known name makes Qt track that name's owner.
  OrgMprisMediaPlayer2PlayerInterface probe(
      name, QStringLiteral("/org/mpris/MediaPlayer2"),
      QDBusConnection::connectToBus(address_, QStringLiteral("probe")));
  const QString owner = bus_.interface()->serviceOwner(name).value();
  ASSERT_TRUE(QTest::qWaitFor(  // chosen once it has loaded its tone
      [&] { return remote_.Running() && player_.Found() == owner.toStdString(); }, 5000));
  ASSERT_TRUE(remote_.Play());
  EXPECT_TRUE(QTest::qWaitFor([&] { return probe.position() > 300'000; }, 3000));
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
