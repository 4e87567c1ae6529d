#include <chrono>
#include <csignal>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "backends/dbus/mpris_player.h"
#include "core/call_limit.h"
#include "mpris_player_interface.h"
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

// A private bus for each test, the player remote on it, and mpv players started on demand.
class MprisTest : public ::testing::Test {
 protected:
  MprisTest() {
    daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    daemon_.waitForReadyRead(5000);
    address_ = QString::fromUtf8(daemon_.readLine().trimmed());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());  // for the players it starts
    bus_ = QDBusConnection::connectToBus(address_, address_);
    player_ = std::make_unique<MprisPlayer>(bus_);
    remote_ = std::make_unique<PlayerRemote>(*player_);
  }
  ~MprisTest() override {
    remote_.reset();
    player_.reset();
    QDBusConnection::disconnectFromBus(address_);
    QDBusConnection::disconnectFromBus("probe" + address_);
  }

  // Starts an mpv, paused, with a tone to play or none, and returns its bus name once the remote
  // has heard of it: the plain name when it is free, else one with the PID added.
  QString StartMpv(Process& mpv, bool withTone) {
    QStringList args = QStringLiteral(
                           "--no-config --script=/usr/lib/mpv-mpris/mpris.so --idle=yes "
                           "--really-quiet --vo=null --ao=null --pause")
                           .split(' ');
    if (withTone) args << QStringLiteral("av://lavfi:sine=frequency=440:duration=20");
    mpv.start(QStringLiteral("mpv"), args);
    const QString plain = QStringLiteral("org.mpris.MediaPlayer2.mpv");
    const QString own = plain + ".instance" + QString::number(mpv.processId());
    const auto owns = [&](const QString& name) {
      return bus_.interface()->servicePid(name).value() == mpv.processId();
    };
    const bool seen = QTest::qWaitFor([&] { return owns(plain) || owns(own); }, 5000);
    QCoreApplication::processEvents();  // as the event loop does between two ticks
    return !seen ? QString() : owns(plain) ? plain : own;
  }
  // A view of a player from a connection of its own: a proxy on a well-known name makes Qt track
  // that name's owner, which the remote must not rely on.
  OrgMprisMediaPlayer2PlayerInterface Probe(const QString& name) {
    return OrgMprisMediaPlayer2PlayerInterface(
        name, QStringLiteral("/org/mpris/MediaPlayer2"),
        QDBusConnection::connectToBus(address_, "probe" + address_));
  }

  Process daemon_;
  QString address_;
  QDBusConnection bus_{QString()};
  std::unique_ptr<MprisPlayer> player_;
  std::unique_ptr<PlayerRemote> remote_;
};

// Of an idle mpv, first in sorted order, and one with a tone, the one with the tone is chosen
// once it has loaded it, and sounds.
TEST_F(MprisTest, TheMpvWithSomethingToPlayIsTheOneThatSounds) {
  Process idle, withTone;
  const QString idleName = StartMpv(idle, false);
  const QString name = StartMpv(withTone, true);
  // Both run, and the idle one comes first in name order, so a choice has to be made.
  ASSERT_FALSE(idleName.isEmpty());
  ASSERT_FALSE(name.isEmpty());
  ASSERT_LT(idleName, name);
  const auto probe = Probe(name);
  const std::string owner = bus_.interface()->serviceOwner(name).value().toStdString();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return remote_->Running() && player_->Found() == owner; }, 5000));
  ASSERT_TRUE(remote_->Play());
  EXPECT_TRUE(QTest::qWaitFor([&] { return probe.position() > 300'000; }, 3000));
}

// Whether the process has stopped: a signal to stop takes its time to reach a running process.
bool Stopped(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return false;
  const QByteArray fields = stat.readAll();
  const qsizetype state = fields.lastIndexOf(')') + 2;
  return state < fields.size() && fields[state] == 'T';
}

// A player that quits between the search and the command costs nothing but a failure; once it is
// back, under a new unique name, it is reached without any reset. Locked up, it holds the caller
// only for the bound, and the command fails.
TEST_F(MprisTest, APlayerThatQuitsComesBackAndLocksUpCostsNoMoreThanTheBound) {
  auto first = std::make_unique<Process>();
  StartMpv(*first, true);
  ASSERT_TRUE(remote_->Running());
  first.reset();
  EXPECT_FALSE(player_->Send(PlayerCommand::Play));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !remote_->Running(); }, 5000));
  Process second;
  const auto probe = Probe(StartMpv(second, true));
  ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(remote_->Play()); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return probe.playbackStatus() == "Playing"; }, 3000));
  ::kill(static_cast<pid_t>(second.processId()), SIGSTOP);  // the kill at the end ends it
  ASSERT_TRUE(QTest::qWaitFor([&] { return Stopped(second.processId()); }, 3000));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(remote_->Play());
  EXPECT_LT(std::chrono::steady_clock::now() - start, kCallLimit + 2s);
}

TEST(MprisWithoutBus, NoSessionBusMeansNoPlayerAndNoCrash) {
  MprisPlayer player(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                   QStringLiteral("nobus")));
  EXPECT_FALSE(PlayerRemote(player).Play());
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
