#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_form_view.h"
#include "ui/main/main_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill::testing {
namespace {

struct Recorder final : FormEvents {
  bool CloseRequested(CloseReason reason) override {
    closes.push_back(reason);
    return false;
  }
  std::vector<CloseReason> closes;
};

std::pair<LONG, LONG> ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// Both windows at their sizes; the frame's close reaches the program as the user's; the delay
// box takes two typed characters but shows a longer text the program writes; Enter's default
// button is the toggle.
TEST(Win32Kit, WindowsKeepTheirSizesCloseReasonsDefaultButtonAndTextLimit) {
  Recorder events;
  Win32FormView main(main_window::Layout(), GetModuleHandleA(nullptr), nullptr);
  Win32FormView wakeUp(wake_up_window::Layout(), GetModuleHandleA(nullptr), nullptr);
  main.SetEvents(&events);
  main.Load();
  main.Show();
  wakeUp.Load();
  EXPECT_EQ(ClientSize(main.Window()), std::pair(289L, 185L));
  EXPECT_EQ(ClientSize(wakeUp.Window()), std::pair(313L, 201L));

  SendMessageA(main.Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(events.closes, std::vector<CloseReason>{CloseReason::User});
  const LRESULT defaultId = SendMessageA(main.Window(), DM_GETDEFID, 0, 0);
  EXPECT_EQ(LOWORD(defaultId), GetDlgCtrlID(main.Control(main_window::cmdToggleAlarm)));

  HWND delay = main.Control(main_window::txtSnoozeDelay);
  SetWindowTextA(delay, "");
  for (const char key : {'1', '2', '3'}) SendMessageA(delay, WM_CHAR, key, 0);
  EXPECT_EQ(main.Text(main_window::txtSnoozeDelay), "12");
  main.SetText(main_window::txtSnoozeDelay, "100");
  EXPECT_EQ(main.Text(main_window::txtSnoozeDelay), "100");
}

}  // namespace
}  // namespace dawnquill::testing
