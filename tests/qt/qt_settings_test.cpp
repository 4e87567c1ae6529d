#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/qt_settings_store.h"

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
  std::string Get(const char* key, const char* fallback = "default") {
    return store_.GetSetting("DawnQuill", "Settings", key, fallback);
  }

  QTemporaryDir dir_;
  QtSettingsStore store_;
};

// Saved texts come back as they were, and hand-written ones read as their text.
TEST_F(SettingsFileTest, TextsComeBackAsTheyWereWritten) {
  for (const char* value : {"7,5", " 07 ", "a=b;c#d", "\"quoted\"", "", "caf\xc3\xa9"}) {
    store_.SaveSetting("DawnQuill", "Settings", "Minute", value);
    EXPECT_EQ(Get("Minute"), value);
  }
  Write("[Settings]\nHour=7,5\nMinute=\"05\"\nSnoozeDelay=  12  \n");
  // Unquoted commas would otherwise make a list.
  EXPECT_EQ(Get("Hour") + "|" + Get("Minute") + "|" + Get("SnoozeDelay"), "7,5|05|12");
}

// A broken file gives what text there is and takes a save without a crash; what else it holds
// survives the save.
TEST_F(SettingsFileTest, ABrokenStoreGivesDefaultsAndLosesNothingElse) {
  static const char kBroken[] =
      "[Settings]\nHour=7\0008\nMinute=\xff\xfe\xfd\nSnoozeDelay=1\n[Other]\nKeep=1\n";
  Write(QByteArray(kBroken, sizeof kBroken - 1));
  Get("Hour");  // any text at all: the number rules take it from here
  Get("Minute");
  store_.SaveSetting("DawnQuill", "Settings", "Hour", "8");
  EXPECT_EQ(Get("Hour") + "|" + Get("SnoozeDelay") + "|" +
                store_.GetSetting("DawnQuill", "Other", "Keep", ""),
            "8|1|1");
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileOrNoWayToWriteIsNoCrash) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("DawnQuill.conf")));
  EXPECT_EQ(Get("Hour", "00"), "00");
  store_.SaveSetting("DawnQuill", "Settings", "Hour", "7");
  EXPECT_TRUE(QFileInfo(File()).isDir());
  qputenv("XDG_CONFIG_HOME", "/proc/self");  // a folder even root cannot write to
  EXPECT_EQ(Get("Hour", "00"), "00");
  store_.SaveSetting("DawnQuill", "Settings", "Hour", "7");
  EXPECT_EQ(Get("Hour", "00"), "00");
}

}  // namespace
}  // namespace dawnquill::testing
