#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "backends/qt/qt_settings_store.h"

namespace dawnquill::testing {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() { qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8()); }
  ~SettingsFileTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  void Write(const QByteArray& text) {
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QString File() const { return dir_.filePath(QStringLiteral("DawnQuill.conf")); }
  // Bound where the program binds it, after the test has chosen the folder.
  static QtSettingsStore Store() { return QtSettingsStore("DawnQuill"); }
  static std::string Get(const char* key, const char* fallback = "default") {
    return Store().Get(key, fallback);
  }

  QTemporaryDir dir_;
};

// Saved texts come back as they were, and hand-written ones read as their text.
TEST_F(SettingsFileTest, TextsComeBackAsTheyWereWritten) {
  for (const char* value : {"7,5", " 07 ", "a=b;c#d", "\"quoted\"", "", "caf\xc3\xa9"}) {
    Store().Save("Minute", value);
    EXPECT_EQ(Get("Minute"), value);
  }
  Write("[Settings]\nHour=7,5\nMinute=\"05\"\nSnoozeDelay=  12  \n");
  // Unquoted commas would otherwise make a list.
  EXPECT_EQ(Get("Hour") + "|" + Get("Minute") + "|" + Get("SnoozeDelay"), "7,5|05|12");
}

// A broken file gives what text there is and takes a save without a crash; what else it holds
// survives the save.
TEST_F(SettingsFileTest, ABrokenStoreGivesItsTextAndLosesNothingElse) {
  static const char kBroken[] =
      "[Settings]\nHour=7\0008\nMinute=\xff\xfe\xfd\nSnoozeDelay=1\n[Other]\nKeep=1\n";
  Write(QByteArray(kBroken, sizeof kBroken - 1));
  EXPECT_EQ(Get("Hour").substr(0, 1), "7");  // the number rules take it from here
  Store().Save("Hour", "8");
  EXPECT_EQ(Get("Hour") + "|" + Get("SnoozeDelay"), "8|1");
  EXPECT_TRUE(QFile(File()).open(QIODevice::ReadOnly));
  EXPECT_EQ(QSettings(File(), QSettings::IniFormat).value("Other/Keep").toString(), "1");
}

// The kept alarm's record goes without a trace: the settings stay, and a store that never had it
// is not made by its removal.
TEST_F(SettingsFileTest, ARemovedValueLeavesTheOthersAndMakesNoFile) {
  Store().Remove("Alarm");
  EXPECT_FALSE(QFile::exists(File()));
  Write("[Settings]\nHour=7\nAlarm=7:00 delay 9 written 2027-03-01T05:00:00Z\n");
  Store().Remove("Alarm");
  EXPECT_EQ(Get("Alarm") + "|" + Get("Hour"), "default|7");
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileOrNoWayToWriteIsNoCrash) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("DawnQuill.conf")));
  EXPECT_EQ(Get("Hour", "00"), "00");
  Store().Save("Hour", "7");
  EXPECT_TRUE(QFileInfo(File()).isDir());
  qputenv("XDG_CONFIG_HOME", "/proc/self");  // a folder even root cannot write to
  EXPECT_EQ(Get("Hour", "00"), "00");
  Store().Save("Hour", "7");
  EXPECT_EQ(Get("Hour", "00"), "00");
}

}  // namespace
}  // namespace dawnquill::testing
