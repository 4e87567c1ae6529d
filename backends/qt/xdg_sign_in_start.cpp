#include "backends/qt/xdg_sign_in_start.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

#include "backends/qt/qt_text.h"
#include "core/start_options.h"
#include "xdg_sign_in_entry.h"

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

// The user's own entry starts the program only where the desktop would run it: not hidden, not
// switched off in GNOME's way, meant for this desktop, and with the program it tries there.
bool XdgSignInStart::UserStartsIt() const {
  QFile entry(Folder() + u'/' + appId_ + ".desktop");
  if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QHash<QString, QString> keys;
  bool mainGroup = false;
  while (!entry.atEnd()) {
    const QString line = QString::fromUtf8(entry.readLine()).trimmed();
    if (line.startsWith(u'[')) mainGroup = line == QStringLiteral("[Desktop Entry]");
    const qsizetype equals = line.indexOf(u'=');
    if (mainGroup && equals > 0)
      keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
  }
  const QStringList desktops =
      qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
  const auto listsThisDesktop = [&](const QString& key) {
    const QStringList listed = keys.value(key).split(u';', Qt::SkipEmptyParts);
    return std::any_of(desktops.begin(), desktops.end(),
                       [&](const QString& desktop) { return listed.contains(desktop); });
  };
  const QString tryExec = keys.value(QStringLiteral("TryExec"));
  const bool found =
      tryExec.isEmpty() ||
      (QDir::isAbsolutePath(tryExec) ? QFileInfo(tryExec).isExecutable()
                                     : !QStandardPaths::findExecutable(tryExec).isEmpty());
  return keys.value(QStringLiteral("Hidden")) != QStringLiteral("true") &&
         keys.value(QStringLiteral("X-GNOME-Autostart-enabled")) != QStringLiteral("false") &&
         (!keys.contains(QStringLiteral("OnlyShowIn")) ||
          listsThisDesktop(QStringLiteral("OnlyShowIn"))) &&
         !listsThisDesktop(QStringLiteral("NotShowIn")) && found;
}

Result<> XdgSignInStart::Enable() {
  if (UserStartsIt()) return Disable();
  // The entry, merged with its comment in every language at build time, leaves the program
  // (%1), its option (%2) and the icon (%3) to be filled in.
  const QByteArray text = QString::fromUtf8(kSignInEntry)
                              .arg(ExecArgument(executable_), Utf8(kInTrayOption), appId_)
                              .toUtf8();
  QFile existing(EntryPath());
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text) return {};
  if (!QDir().mkpath(Folder())) return Failure{Folder().toStdString() + " is not a folder."};
  QSaveFile entry(EntryPath());
  if (!entry.open(QIODevice::WriteOnly) || entry.write(text) != text.size() || !entry.commit()) {
    return Failure{EntryPath().toStdString() + ": " + entry.errorString().toStdString()};
  }
  return {};
}

Result<> XdgSignInStart::Disable() {
  QFile entry(EntryPath());
  if (!entry.exists() || entry.remove()) return {};
  return Failure{EntryPath().toStdString() + ": " + entry.errorString().toStdString()};
}

}  // namespace dawnquill
