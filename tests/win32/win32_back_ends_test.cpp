#include <tuple>

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_notify_icon.h"
#include "platform/win32/win32_settings_store.h"

namespace dawnquill::testing {
namespace {

// The first record layout, its tip the text, one NUL and spaces (the shell's taking it is proven
// end to end, where the icon docks); the mouse reports that come back as the callback message
// reach the tray.
TEST(Win32Tray, TheRecordAndTheReports) {
  struct Events final : NotificationIconEvents {
    void Activated() override { log += "activated "; }
    void MenuRequested() override { log += "menu "; }
    std::string log;
  } events;
  Win32NotifyIcon icon(GetModuleHandleA(nullptr));
  icon.SetEvents(&events);
  NOTIFYICONDATAA data = icon.Record(TrayPicture::Off, "Alarm is off");
  EXPECT_EQ(std::tuple(data.cbSize, data.uID, data.uFlags, data.uCallbackMessage),
            std::tuple(sizeof(void*) == 8 ? 104u : 88u, 1u, 7u, 512u));
  EXPECT_EQ(std::string(data.szTip, 64),
            "Alarm is off" + std::string(1, '\0') + std::string(51, ' '));
  for (const LPARAM report :
       {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
    SendMessageA(icon.Window(), 512, 1, report);
  }
  EXPECT_EQ(events.log, "activated menu ");
}

TEST(Win32Settings, TextsComeBackUnderTheExecutablesNameAndMissingOnesAsTheDefault) {
  Win32SettingsStore store;
  store.SaveSetting("dq-test", "Settings", "Hour", "7,5");
  EXPECT_EQ(store.GetSetting("dq-test", "Settings", "Hour", "00"), "7,5");
  EXPECT_EQ(store.GetSetting("dq-test", "Settings", "Minute", "00"), "00");
  EXPECT_EQ(store.GetSetting("dq-none", "Settings", "Hour", "00"), "00");
  EXPECT_EQ(Win32Executable().Name(), "win32_tests");
}

}  // namespace
}  // namespace dawnquill::testing
