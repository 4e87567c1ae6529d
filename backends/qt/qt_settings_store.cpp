#include "backends/qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "backends/qt/qt_text.h"

namespace dawnquill {
namespace {

namespace keys = settings_keys;

QString KeyPath(std::string_view key) { return Utf8(keys::kSection) + u'/' + Utf8(key); }

// Whether the file took what was set on it, and why not, for the user.
Result<> Written(QSettings& file) {
  file.sync();
  if (file.status() == QSettings::NoError) return {};
  const QFileInfo where(file.fileName());
  const QString reason = where.isDir()           ? QStringLiteral("%1 is a folder.")
                         : !where.dir().exists() ? QStringLiteral("%1 has no folder to go in.")
                         : file.status() == QSettings::FormatError
                             ? QStringLiteral("%1 is not a settings file.")
                             : QStringLiteral("%1 cannot be written.");
  return Failure{reason.arg(file.fileName()).toStdString()};
}

std::string Text(const QSettings& file, std::string_view key, const std::string& fallback) {
  const QVariant value = file.value(KeyPath(key));
  if (!value.isValid()) return fallback;
  // An unquoted value with commas, written by hand, reads as a list: give the text back whole.
  if (value.userType() == QMetaType::QStringList) {
    return value.toStringList().join(u',').toStdString();
  }
  return value.toString().toStdString();
}

}  // namespace

QtSettingsStore::QtSettingsStore(std::string_view appName)
    : file_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
            Utf8(appName) + QStringLiteral(".conf")) {}

Settings QtSettingsStore::Read() {
  const QSettings file(file_, QSettings::IniFormat);
  const Settings defaults;
  return {Text(file, keys::kHour, defaults.hour), Text(file, keys::kMinute, defaults.minute),
          Text(file, keys::kSnoozeDelay, defaults.snoozeDelay)};
}

Result<> QtSettingsStore::Write(const Settings& settings) {
  QSettings file(file_, QSettings::IniFormat);
  file.setValue(KeyPath(keys::kHour), Utf8(settings.hour));
  file.setValue(KeyPath(keys::kMinute), Utf8(settings.minute));
  file.setValue(KeyPath(keys::kSnoozeDelay), Utf8(settings.snoozeDelay));
  return Written(file);
}

StoredOptions QtSettingsStore::ReadOptions() {
  const QSettings file(file_, QSettings::IniFormat);
  return {Text(file, keys::kRepeat, {}), Text(file, keys::kGentleStartSeconds, {}),
          Text(file, keys::kWakeWith, {})};
}

Result<> QtSettingsStore::WriteOptions(const StoredOptions& options) {
  QSettings file(file_, QSettings::IniFormat);
  file.setValue(KeyPath(keys::kRepeat), Utf8(options.repeat));
  file.setValue(KeyPath(keys::kGentleStartSeconds), Utf8(options.gentleStartSeconds));
  file.setValue(KeyPath(keys::kWakeWith), Utf8(options.wakeWith));
  return Written(file);
}

std::string QtSettingsStore::KeptAlarm() {
  return Text(QSettings(file_, QSettings::IniFormat), keys::kKeptAlarm, {});
}

Result<> QtSettingsStore::KeepAlarm(std::string_view line) {
  QSettings file(file_, QSettings::IniFormat);
  file.setValue(KeyPath(keys::kKeptAlarm), Utf8(line));
  return Written(file);
}

// A file without the line is left as it is, and a missing one is not made.
Result<> QtSettingsStore::ClearKeptAlarm() {
  QSettings file(file_, QSettings::IniFormat);
  if (!file.contains(KeyPath(keys::kKeptAlarm))) return {};
  file.remove(KeyPath(keys::kKeptAlarm));
  return Written(file);
}

std::string ExecutableName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

}  // namespace dawnquill
