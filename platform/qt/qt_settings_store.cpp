#include "platform/qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/qt/qt_text.h"

namespace dawnquill {
namespace {

QString FilePath(std::string_view appName) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
         Utf8(appName) + QStringLiteral(".conf");
}

QString KeyPath(std::string_view section, std::string_view key) {
  return Utf8(section) + u'/' + Utf8(key);
}

}  // namespace

std::string QtSettingsStore::GetSetting(std::string_view appName, std::string_view section,
                                        std::string_view key, std::string_view fallback) {
  const QSettings settings(FilePath(appName), QSettings::IniFormat);
  const QVariant value = settings.value(KeyPath(section, key));
  if (!value.isValid()) return std::string(fallback);
  // An unquoted value with commas, written by hand, reads as a list: give the text back whole.
  if (value.userType() == QMetaType::QStringList) {
    return value.toStringList().join(u',').toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(std::string_view appName, std::string_view section,
                                  std::string_view key, std::string_view value) {
  QSettings settings(FilePath(appName), QSettings::IniFormat);
  settings.setValue(KeyPath(section, key), Utf8(value));
}

std::string QtExecutable::Name() const {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

}  // namespace dawnquill
