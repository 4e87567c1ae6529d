#include <windows.h>

#include <gtest/gtest.h>

#include "backends/win32/win32_desktop.h"
#include "backends/win32/win32_notify_icon.h"
#include "backends/win32/win32_settings_store.h"

namespace dawnquill::testing {
namespace {

// The record's tip is the text, one NUL and spaces (the shell's taking the record is proven end to
// end, where the icon docks); of the mouse reports that come back as the callback message, the
// double click and the right button's release reach the tray.
TEST(Win32Tray, TheRecordAndTheReports) {
  struct Events final : NotificationIconEvents {
    void Activated() override { log += "activated "; }
    void MenuRequested() override { log += "menu "; }
    std::string log;
  } events;
  Win32NotifyIcon icon(GetModuleHandleA(nullptr));
  icon.SetEvents(&events);
  const NOTIFYICONDATAA data = icon.Record(TrayPicture::Off, "Alarm is off");
  EXPECT_EQ(std::string(data.szTip, 64),
            "Alarm is off" + std::string(1, '\0') + std::string(51, ' '));
  for (const LPARAM report :
       {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
    SendMessageA(icon.Window(), 512, 1, report);
  }
  EXPECT_EQ(events.log, "activated menu ");
}

TEST(Win32Settings, TextsComeBackUnderTheExecutablesNameAndMissingOnesAsTheDefault) {
  Win32SettingsStore(ExecutableName()).Save("Hour", "7,5");
  EXPECT_EQ(Win32SettingsStore("win32_tests").Get("Hour", "00"), "7,5");
  EXPECT_EQ(Win32SettingsStore("win32_tests").Get("Minute", "00"), "00");
  EXPECT_EQ(Win32SettingsStore("dq-none").Get("Hour", "00"), "00");
}

}  // namespace
}  // namespace dawnquill::testing
