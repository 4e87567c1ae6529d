#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "backends/qt/qt_settings_store.h"
#include "backends/qt/xdg_sign_in_start.h"

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
  static std::string Stored() {
    const Settings s = Store().Read();
    return s.hour + "|" + s.minute + "|" + s.snoozeDelay;
  }

  QTemporaryDir dir_;
};

// Saved texts come back as they were, and hand-written ones read as their text, commas and all.
// Each save writes only its own: the options only when chosen, and the kept alarm's record goes
// without a trace, never making a store by its removal.
TEST_F(SettingsFileTest, TextsComeBackAsTheyWereWrittenAndEachSaveWritesOnlyItsOwn) {
  EXPECT_TRUE(Store().ClearKeptAlarm());
  EXPECT_FALSE(QFile::exists(File()));
  for (const char* value : {"7,5", " 07 ", "a=b;c#d", "\"quoted\"", "", "caf\xc3\xa9"}) {
    EXPECT_TRUE(Store().Write({.hour = "7", .minute = value, .snoozeDelay = "9"}));
    EXPECT_EQ(Stored(), "7|" + std::string(value) + "|9");
  }
  Write(
      "[Settings]\nHour=7,5\nMinute=\"05\"\nSnoozeDelay=  12  \nRepeat=Mon,Tue,Someday\n"
      "GentleStartSeconds=20\nWakeWith=/m/a b,c.ogg\nAlarm=7:00 delay 9\n");
  EXPECT_EQ(Stored() + "|" + Store().KeptAlarm(), "7,5|05|12|7:00 delay 9");
  EXPECT_TRUE(Store().Write({.hour = "7", .minute = "0", .snoozeDelay = "9"}));
  EXPECT_TRUE(Store().ClearKeptAlarm());
  const auto options = [] {
    const StoredOptions read = Store().ReadOptions();
    return read.repeat + "|" + read.gentleStartSeconds + "|" + read.wakeWith;
  };
  EXPECT_EQ(options() + "|" + Store().KeptAlarm(), "Mon,Tue,Someday|20|/m/a b,c.ogg|");
  EXPECT_TRUE(Store().WriteOptions({"Sat,Sun", "0", "file:///M%C3%BAsica"}));
  EXPECT_EQ(options(), "Sat,Sun|0|file:///M%C3%BAsica");
  EXPECT_EQ(Stored(), "7|0|9");
}

// A broken file gives what text there is and takes a save without a crash; what else it holds
// survives the save.
TEST_F(SettingsFileTest, ABrokenStoreGivesItsTextAndLosesNothingElse) {
  static const char kBroken[] =
      "[Settings]\nHour=7\0008\nMinute=\xff\xfe\xfd\nSnoozeDelay=1\n[Other]\nKeep=1\n";
  Write(QByteArray(kBroken, sizeof kBroken - 1));
  EXPECT_EQ(Store().Read().hour.substr(0, 1), "7");  // the number rules take it from here
  EXPECT_TRUE(Store().Write({.hour = "8", .minute = "0", .snoozeDelay = "1"}));
  EXPECT_EQ(Stored(), "8|0|1");
  EXPECT_TRUE(QFile(File()).open(QIODevice::ReadOnly));
  EXPECT_EQ(QSettings(File(), QSettings::IniFormat).value("Other/Keep").toString(), "1");
}

// A store that cannot be read starts from the defaults; one that cannot be written says why, and
// so does a start at sign-in whose folder is a file.
TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileOrNoWayToWriteIsToldNotLost) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("DawnQuill.conf")));
  EXPECT_EQ(Stored(), "00|00|9");
  EXPECT_EQ(Store().Write({}).Reason(), File().toStdString() + " is a folder.");
  ASSERT_TRUE(QFile(dir_.filePath(QStringLiteral("autostart"))).open(QIODevice::WriteOnly));
  const Result<> signIn =
      XdgSignInStart(QStringLiteral("org.example.X"), QStringLiteral("x")).Enable();
  ASSERT_FALSE(signIn);
  EXPECT_EQ(signIn.Reason(),
            dir_.filePath(QStringLiteral("autostart")).toStdString() + " is not a folder.");
  qputenv("XDG_CONFIG_HOME", "/proc/self");  // a folder even root cannot write to
  EXPECT_EQ(Stored(), "00|00|9");
  EXPECT_EQ(Store().Write({}).Reason(), "/proc/self/DawnQuill.conf cannot be written.");
}

// The user's own autostart entry counts only where the desktop would run it: while it does, the
// program writes no entry of its own.
TEST_F(SettingsFileTest, TheUsersOwnEntryCountsOnlyWhereTheDesktopWouldRunIt) {
  const struct {
    const char* entry;  // after the main group's first line, or none
    bool startsIt;
  } cases[] = {
      // clang-format off
      {nullptr, false},                     {"Exec=x\n", true},
      {"Hidden=true\n", false},             {"X-GNOME-Autostart-enabled=false\n", false},
      {"OnlyShowIn=KDE;\n", false},         {"OnlyShowIn=KDE;GNOME;\n", true},
      {"NotShowIn=GNOME;\n", false},        {"TryExec=/nowhere/x\n", false},
      {"TryExec=sh\n", true},               {"[Desktop Action snooze]\nHidden=true\n", true},
      // clang-format on
  };
  qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
  XdgSignInStart start(QStringLiteral("org.example.X"), QStringLiteral("/usr/bin/x"));
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("autostart")));
  const QString own = dir_.filePath(QStringLiteral("autostart/org.example.X.desktop"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry ? c.entry : "none");
    QFile::remove(own);
    if (QFile file(own); c.entry) {
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray("[Desktop Entry]\nType=Application\n") + c.entry);
    }
    EXPECT_TRUE(start.Enable());
    EXPECT_EQ(QFile::exists(start.EntryPath()), !c.startsIt);
  }
  qunsetenv("XDG_CURRENT_DESKTOP");
}

}  // namespace
}  // namespace dawnquill::testing
