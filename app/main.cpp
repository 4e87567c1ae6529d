#include <string>
#include <vector>

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/program.h"
#include "backends/dbus/dbus_application.h"
#include "backends/dbus/dbus_ring_notice.h"
#include "backends/dbus/dbus_sleep_inhibitor.h"
#include "backends/dbus/kde_wake_timer.h"
#include "backends/dbus/mpris_listener.h"
#include "backends/dbus/mpris_player.h"
#include "backends/dbus/mpris_volume.h"
#include "backends/gettext/gettext_texts.h"
#include "backends/pulse/lazy_sound_server.h"
#include "backends/qt/qt_caret_rest.h"
#include "backends/qt/qt_countdown.h"
#include "backends/qt/qt_desktop.h"
#include "backends/qt/qt_file_chooser.h"
#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_session_end.h"
#include "backends/qt/qt_settings_store.h"
#include "backends/qt/qt_tick_timer.h"
#include "backends/qt/qt_tray.h"
#include "backends/qt/qt_tray_picture_icon.h"
#include "backends/qt/xdg_sign_in_start.h"
#include "core/logger.h"
#include "core/start_options.h"
#include "core/texts.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace {

dawnquill::StartOptions CommandLine() {
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments()) {
    arguments.push_back(argument.toStdString());
  }
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return dawnquill::ReadStartOptions(views);
}

// The build tree's catalogues when the program runs from there, else the installed ones.
std::string CatalogueFolder() {
  const QDir folder(QCoreApplication::applicationDirPath());
  const QString built = folder.filePath(QStringLiteral("locale"));
  if (QDir(built).exists()) return built.toStdString();
  return QDir::cleanPath(folder.filePath(QString::fromUtf8(DAWNQUILL_LOCALE_FOLDER))).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dawnquill;
  QApplication app(argc, argv);
  QtLogSink logSink;
  logger::SetSink(&logSink);
  // A line's level in front of what it says, where the journal would not show it.
  qSetMessagePattern(QStringLiteral(
      "%{category}: %{if-warning}warning: %{endif}%{if-critical}error: %{endif}%{message}"));
  const StartOptions options = CommandLine();
  // QApplication has set the locale from the environment, which gettext reads.
  const GettextTexts texts("dawnquill", CatalogueFolder());
  SetTexts(&texts);
  // Qt's own words: the boxes' buttons, the file dialog.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTexts);
  }
  // A second start hands over to the first, writes nothing and ends: two copies would ring twice
  // and write their settings over each other's.
  DBusApplication instance(QDBusConnection::sessionBus(), QStringLiteral(DAWNQUILL_APP_ID));
  if (instance.ClaimSession() == DBusApplication::Claim::Taken) {
    if (!options.inTray) instance.BringFirstForward();
    return 0;
  }
  // The program ends when the main window is closed for good, not when the last window closes: a
  // message box closed while the window sits in the tray must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  QGuiApplication::setDesktopFileName(QStringLiteral(DAWNQUILL_APP_ID));  // the menu entry's icon
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(TrayPictureImage(TrayPicture::Armed))));

  CaretRest caretRest;
  QtFormView mainView(main_window::Layout());
  QtFormView wakeUpView(wake_up_window::Layout());
  QtFormView optionsView(options_window::Layout());
  QtFileChooser files;
  MprisPlayer player(QDBusConnection::sessionBus());
  MprisVolume volume(player, QDBusConnection::sessionBus());
  QtCountdown fadeSteps;
  QtCountdown trackProof;
  LazySoundServer soundServer(DAWNQUILL_SOUND_MODULE, DAWNQUILL_ALARM_TONE, logSink);
  MprisListener listener(QDBusConnection::sessionBus(), player, soundServer);
  QtSettingsStore settings(ExecutableName());
  QtClock clock;
  QtMessageBoxes messageBoxes;
  QtNotifyIcon notifyIcon;
  DBusSleepInhibitor inhibitor(QDBusConnection::sessionBus());
  KdeWakeTimer wakeTimer(QDBusConnection::sessionBus());
  QtTickTimer tickTimer;
  DBusRingNotice ringNotice(QDBusConnection::sessionBus(), QStringLiteral(DAWNQUILL_APP_ID));
  XdgSignInStart signInStart(QStringLiteral(DAWNQUILL_APP_ID),
                             QCoreApplication::applicationFilePath());

  Program program({.mainView = mainView,
                   .wakeUpView = wakeUpView,
                   .optionsView = optionsView,
                   .files = files,
                   .player = player,
                   .playerListener = listener,
                   .alarmSound = soundServer,
                   .notificationIcon = notifyIcon,
                   .settings = settings,
                   .clock = clock,
                   .messageBoxes = messageBoxes,
                   .inhibitor = inhibitor,
                   .signInStart = signInStart,
                   .wakeTimer = wakeTimer,
                   .tickTimer = tickTimer,
                   .ringNotice = ringNotice,
                   .notice = ringNotice,
                   .decimalSeparator = LocaleDecimalSeparator(),
                   .playerVolume = volume,
                   .fadeSteps = fadeSteps,
                   .trackProof = trackProof});
  notifyIcon.SetMenu([&mainView] { return mainView.Menu(MainControl::IconMenu); });
  // exit(), not quit(): quit() asks every window to close first, and the main window refuses
  // while the alarm is on.
  mainView.SetOnClosed([] { QCoreApplication::exit(0); });
  // A signal or the session manager ends the program at once, saving as a close would.
  SessionEnd sessionEnd([&program] { return program.mainWindow.SessionMayEnd(); },
                        [&program] { program.mainWindow.CloseRequested(CloseReason::SessionEnd); });

  instance.SetOnActivate([&program] { program.trayMenu.ShowMainWindow(); });

  if (!program.mainWindow.Start(options.inTray ? StartShown::InTray : StartShown::Window)) {
    return 0;
  }
  return QApplication::exec();
}
