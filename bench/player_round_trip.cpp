// Times one player command end to end against the MPRIS player on the session bus: through
// DawnQuill's remote (search, then a blocking call) and, as the floor, one bare blocking call.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include "backends/dbus/mpris_player.h"
#include "player/player_remote.h"

namespace {

struct Figures {
  double median;
  double p99;
};

Figures Time(int runs, const std::function<void()>& call) {
  std::vector<double> micros;
  micros.reserve(runs);
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    call();
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(micros.begin(), micros.end());
  return {micros[micros.size() / 2], micros[micros.size() * 99 / 100]};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
  QDBusConnection bus = QDBusConnection::sessionBus();
  dawnquill::MprisPlayer player(bus);
  dawnquill::PlayerRemote remote(player);
  if (!remote.Running()) {
    std::fprintf(stderr, "player_round_trip: no MPRIS player on the session bus\n");
    return 1;
  }
  const QString owner = QString::fromStdString(player.Found());
  const QDBusMessage play = QDBusMessage::createMethodCall(
      owner, QStringLiteral("/org/mpris/MediaPlayer2"),
      QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("Play"));
  const Figures floor = Time(runs, [&] { bus.call(play); });
  const Figures ours = Time(runs, [&] { (void)remote.Play(); });
  std::printf("command round trip, us   median   p99\n");
  std::printf("bare QDBusConnection    %7.0f %6.0f\n", floor.median, floor.p99);
  std::printf("DawnQuill Play          %7.0f %6.0f   (%.2fx, %.2fx)\n", ours.median, ours.p99,
              ours.median / floor.median, ours.p99 / floor.p99);
  return 0;
}
