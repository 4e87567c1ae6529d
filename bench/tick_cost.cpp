// Times the alarm tick of the real program logic against the MPRIS player on the session bus,
// with windows, tray and settings that do nothing: what every five seconds costs at idle.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QDBusConnection>

#include "app/program.h"
#include "backends/dbus/mpris_player.h"
#include "backends/dbus/mpris_volume.h"
#include "ui/main/main_window_layout.h"

namespace {

using namespace dawnquill;

struct NullView final : FormView {
  void Open() override {}
  void Show() override {}
  void ShowModal() override {}
  void Hide() override {}
  void Minimise() override {}
  void Close() override {}
  std::string Text(ControlId) const override { return {}; }
  void SetText(ControlId, std::string_view) override {}
  void SetEnabled(ControlId, bool) override {}
  bool Checked(ControlId) const override { return false; }
  void SetChecked(ControlId, bool) override {}
  void AddListItem(ControlId, std::string_view) override {}
  void SetTimerEnabled(ControlId, bool) override {}
  void OpenMenu(ControlId) override {}
  void SetEvents(FormEvents*) override {}
};
struct NullIcon final : NotificationIcon {
  void Add(TrayPicture, std::string_view) override {}
  void Modify(TrayPicture, std::string_view) override {}
  void Delete() override {}
  void SetEvents(NotificationIconEvents*) override {}
  bool HasNotificationArea() const override { return true; }
  void AwaitNotificationArea(std::chrono::seconds, std::function<void(bool)> done) override {
    done(true);
  }
};
struct NullSettings final : SettingsStore {
  Settings Read() override { return {}; }
  Result<> Write(const Settings&) override { return {}; }
  StoredOptions ReadOptions() override { return {}; }
  Result<> WriteOptions(const StoredOptions&) override { return {}; }
  std::string KeptAlarm() override { return {}; }
  Result<> KeepAlarm(std::string_view) override { return {}; }
  Result<> ClearKeptAlarm() override { return {}; }
};
struct NullDesktop final : Clock,
                           MessageBoxes,
                           SleepInhibitor,
                           SignInStart,
                           WakeTimer,
                           TickTimer,
                           RingNotice,
                           DesktopNotice,
                           PlayerListener,
                           AlarmSound,
                           FileChooser,
                           Countdown {
  void Choose(const std::string&, Chosen) override {}
  bool IsThere(const std::string&) const override { return true; }
  void Listen(std::function<void(const PlayerSound&)>) override {}
  void Done() override {}
  void Start(Reported /*reported*/) override {}
  void Stop() override {}
  void Show(std::string_view, RingNotice::Answered) override {}
  Result<> Tell(std::string_view) override { return {}; }
  void Close() override {}
  void WakeAt(std::chrono::sys_seconds, WakeTimer::Answered) override {}
  void Cancel() override {}
  void After(std::chrono::milliseconds, std::function<void()>) override {}
  void SetEvents(WakeTimerEvents*) override {}
  void SetFor(std::chrono::sys_seconds) override {}
  void CancelTick() override {}
  void SetEvents(TickTimerEvents*) override {}
  void SetEvents(RingNoticeEvents*) override {}
  void Hold(std::string_view, Awake, SleepInhibitor::Answered) override {}
  void Release() override {}
  Result<> Enable() override { return {}; }
  Result<> Disable() override { return {}; }
  WallTime Now() const override { return {6, 0, 0}; }
  std::chrono::sys_seconds Utc() const override { return {}; }
  WallTime LocalAt(std::chrono::sys_seconds) const override { return Now(); }
  BoxId Show(std::string_view, std::string_view, BoxKind, BoxButtons,
             MessageBoxes::Answered) override {
    return 0;
  }
  void Close(BoxId) override {}
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 10000;
  NullView mainView, wakeUpView, optionsView;
  NullIcon icon;
  NullSettings settings;
  NullDesktop desktop;
  MprisPlayer player(QDBusConnection::sessionBus());
  MprisVolume volume(player, QDBusConnection::sessionBus());
  Program program({.mainView = mainView,
                   .wakeUpView = wakeUpView,
                   .optionsView = optionsView,
                   .files = desktop,
                   .player = player,
                   .playerListener = desktop,
                   .alarmSound = desktop,
                   .notificationIcon = icon,
                   .settings = settings,
                   .clock = desktop,
                   .messageBoxes = desktop,
                   .inhibitor = desktop,
                   .signInStart = desktop,
                   .wakeTimer = desktop,
                   .tickTimer = desktop,
                   .ringNotice = desktop,
                   .notice = desktop,
                   .decimalSeparator = ".",
                   .playerVolume = volume,
                   .fadeSteps = desktop,
                   .trackProof = desktop});
  if (!PlayerRemote(player).Running()) {
    std::fprintf(stderr, "tick_cost: no MPRIS player on the session bus\n");
    return 1;
  }
  program.mainWindow.Start();
  std::vector<double> nanos;
  nanos.reserve(runs);
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    program.mainWindow.Timer(MainControl::AlarmTimer);
    nanos.push_back(
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(nanos.begin(), nanos.end());
  std::printf("%.0f %.0f\n", nanos[nanos.size() / 2], nanos[nanos.size() * 99 / 100]);
  return 0;
}
