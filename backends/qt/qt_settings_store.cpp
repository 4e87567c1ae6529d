#include "backends/qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "backends/qt/qt_text.h"

namespace dawnquill {
namespace {

QString KeyPath(std::string_view key) { return Utf8(kSettingsSection) + u'/' + Utf8(key); }

}  // namespace

QtSettingsStore::QtSettingsStore(std::string_view appName)
    : file_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
            Utf8(appName) + QStringLiteral(".conf")) {}

std::string QtSettingsStore::Get(std::string_view key, std::string_view fallback) {
  const QSettings settings(file_, QSettings::IniFormat);
  const QVariant value = settings.value(KeyPath(key));
  if (!value.isValid()) return std::string(fallback);
  // An unquoted value with commas, written by hand, reads as a list: give the text back whole.
  if (value.userType() == QMetaType::QStringList) {
    return value.toStringList().join(u',').toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::Save(std::string_view key, std::string_view value) {
  QSettings settings(file_, QSettings::IniFormat);
  settings.setValue(KeyPath(key), Utf8(value));
}

// A file without the key is left as it is, and a missing one is not made.
void QtSettingsStore::Remove(std::string_view key) {
  QSettings settings(file_, QSettings::IniFormat);
  if (settings.contains(KeyPath(key))) settings.remove(KeyPath(key));
}

std::string ExecutableName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

}  // namespace dawnquill
