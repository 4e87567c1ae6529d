#include <vector>

#include <gtest/gtest.h>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_message_boxes.h"
#include "backends/win32/win32_notify_icon.h"
#include "backends/win32/win32_settings_store.h"
#include "ui/main/main_window_layout.h"

namespace dawnquill::testing {

constexpr std::string_view kText = "Wake up… Größe ☀";
const std::wstring kWide = L"Wake up\u2026 Gr\u00f6\u00dfe \u2600";  // as the user reads it
static wchar_t seen[200];

// From a timer in the loop of the box or the menu that is up: its text, then its end.
static void CALLBACK ReadWhatIsUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  seen[0] = L'\0';
  if (HWND box = FindWindowW(L"#32770", nullptr)) {
    GetDlgItemTextW(box, 0xFFFF, seen, 200);  // the prompt
    return (void)EndDialog(box, IDOK);
  }
  const LRESULT menu = SendMessageW(FindWindowW(L"#32768", nullptr), MN_GETHMENU, 0, 0);
  GetMenuStringW(reinterpret_cast<HMENU>(menu), 0, seen, 200, MF_BYPOSITION);
  EndMenu();
}

// The main window with the text in every caption, a box, the icon's tip and the settings of a
// program of that name read back whole through the wide API, none through the ANSI code page.
TEST(WideTexts, ReachTheScreenAndTheRegistryWhole) {
  FormLayout layout = main_window::Layout();
  std::vector<Control> controls(layout.controls.begin(), layout.controls.end());
  for (Control& control : controls) control.caption = kText.data();
  layout.caption = kText.data();
  layout.controls = controls;
  Win32FormView view(layout, GetModuleHandleW(nullptr), nullptr);
  view.Open();
  GetWindowTextW(view.Window(), seen, 200);
  EXPECT_EQ(seen, kWide);
  SetTimer(nullptr, 0, 100, ReadWhatIsUp);
  view.OpenMenu(MainControl::IconMenu);
  EXPECT_EQ(seen, kWide);
  Win32MessageBoxes boxes(GetModuleHandleW(nullptr), view);
  boxes.Show(kText, kText, BoxKind::Information, BoxButtons::Ok,
             [](BoxAnswer) { PostQuitMessage(0); });
  SetTimer(nullptr, 0, 100, ReadWhatIsUp);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  EXPECT_EQ(seen, kWide);
  EXPECT_EQ(Win32NotifyIcon(nullptr).Record(TrayPicture::Off, kText).szTip, kWide);

  const std::wstring key = L"Software\\VB and VBA Program Settings\\" + kWide;
  EXPECT_TRUE(Win32SettingsStore(kText).KeepAlarm(kText));
  DWORD size = sizeof seen;
  RegGetValueW(HKEY_CURRENT_USER, (key + L"\\Settings").c_str(), L"Alarm", RRF_RT_REG_SZ, nullptr,
               seen, &size);
  RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
  EXPECT_EQ(seen, kWide);
}

}  // namespace dawnquill::testing
