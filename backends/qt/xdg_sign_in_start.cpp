#include "backends/qt/xdg_sign_in_start.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "backends/qt/qt_text.h"
#include "core/start_options.h"

namespace dawnquill {
namespace {

// An Exec argument by the desktop entry rules: quoted, with the characters that are special
// inside quotes escaped, then every backslash doubled for the value itself, and % doubled.
QString ExecArgument(const QString& argument) {
  QString quoted;
  for (const QChar c : argument) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
    quoted += c;
  }
  quoted = u'"' + quoted + u'"';
  return quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
}

}  // namespace

XdgSignInStart::XdgSignInStart(QString appId, QString executable)
    : appId_(std::move(appId)), executable_(std::move(executable)) {}

QString XdgSignInStart::Folder() const {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/autostart");
}

QString XdgSignInStart::EntryPath() const { return Folder() + u'/' + appId_ + "-alarm.desktop"; }

// The user's own entry starts the program unless it is turned off with Hidden=true.
bool XdgSignInStart::UserStartsIt() const {
  QFile entry(Folder() + u'/' + appId_ + ".desktop");
  if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  while (!entry.atEnd()) {
    const QString line = QString::fromUtf8(entry.readLine()).remove(u' ').trimmed();
    if (line == QStringLiteral("Hidden=true")) return false;
  }
  return true;
}

void XdgSignInStart::Enable() {
  if (UserStartsIt()) return Disable();
  const QByteArray text =
      QStringLiteral(
          "[Desktop Entry]\n"
          "Type=Application\n"
          "Name=DawnQuill\n"
          "Comment=Starts DawnQuill while an alarm is on; goes when the alarm is turned off\n"
          "Exec=%1 %2\n"
          "Icon=%3\n"
          "Terminal=false\n"
          "NoDisplay=true\n"
          "X-GNOME-Autostart-enabled=true\n")
          .arg(ExecArgument(executable_), Utf8(kInTrayOption), appId_)
          .toUtf8();
  QFile existing(EntryPath());
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text) return;
  QDir().mkpath(Folder());
  QSaveFile entry(EntryPath());
  if (entry.open(QIODevice::WriteOnly)) {
    entry.write(text);
    entry.commit();
  }
}

void XdgSignInStart::Disable() { QFile::remove(EntryPath()); }

}  // namespace dawnquill
