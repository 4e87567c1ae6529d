#include <fstream>
#include <sstream>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_notify_icon.h"
#include "platform/win32/win32_player.h"
#include "platform/win32/win32_settings_store.h"

namespace dawnquill::testing {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Stub players, started beside this test and ended by their process handles.
class StubPlayers {
 public:
  ~StubPlayers() {
    for (const PROCESS_INFORMATION& player : players_) {
      TerminateProcess(player.hProcess, 0);
      WaitForSingleObject(player.hProcess, 5000);
      CloseHandle(player.hProcess);
      CloseHandle(player.hThread);
    }
  }
  // Starts one that logs to `log`, and returns once its window can be found.
  DWORD Start(const std::string& log) {
    std::remove(log.c_str());
    std::string command = "stub_player.exe " + log;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION player{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &player)) {
      return 0;
    }
    players_.push_back(player);
    for (int i = 0; i < 100 && Windows() < players_.size(); ++i) Sleep(50);
    return player.dwProcessId;
  }

 private:
  std::size_t Windows() const {
    std::size_t count = 0;
    for (HWND w = FindWindowA(Win32Player::kWindowClass, nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, Win32Player::kWindowClass, nullptr)) {
      ++count;
    }
    return count;
  }
  std::vector<PROCESS_INFORMATION> players_;
};

// No player: nothing is sent. One: each command is one WM_COMMAND with its number and lParam 0.
// Two: the one the window search finds first gets it.
TEST(Win32Player, EachCommandIsOneMessageToTheFirstPlayerWindow) {
  Win32Player player;
  PlayerRemote remote(player);
  EXPECT_FALSE(remote.Running());
  EXPECT_FALSE(remote.Play());
  StubPlayers stubs;
  const DWORD first = stubs.Start("first.log");
  ASSERT_NE(first, 0u);
  EXPECT_TRUE(remote.Play());
  remote.Pause();
  remote.Stop();
  remote.NextTrack();
  remote.PreviousTrack();
  EXPECT_EQ(Slurp("first.log"), "40045 0\n40046 0\n40047 0\n40048 0\n40044 0\n");
  const DWORD second = stubs.Start("second.log");
  DWORD found = 0;
  GetWindowThreadProcessId(FindWindowA(Win32Player::kWindowClass, nullptr), &found);
  remote.Play();
  EXPECT_EQ(Slurp(found == second ? "second.log" : "first.log").substr(found == second ? 0 : 50),
            "40045 0\n");
}

// The ring sends play; snooze and off send stop only while ringing.
TEST(Win32Player, TheRingPlaysAndOnlyARingingAlarmIsStopped) {
  StubPlayers stubs;
  ASSERT_NE(stubs.Start("ring.log"), 0u);
  Rig rig;
  Win32Player player;
  Program program(rig.BackendsWith(rig.mainView, rig.wakeUpView, player, rig.boxes));
  ASSERT_TRUE(program.mainWindow.Start());
  const auto toggle = [&] { program.mainWindow.Click(main_window::cmdToggleAlarm); };
  rig.SetInputs("6", "0", "9");
  toggle();
  toggle();  // off while armed
  toggle();
  rig.wakeUpView.whileModal = [&] { program.wakeUpWindow.Click(wake_up_window::cmdSnooze); };
  rig.clock.now = {6, 0, 0};
  program.mainWindow.Timer(main_window::TimerAlarm);
  toggle();  // off while snoozing
  EXPECT_EQ(Slurp("ring.log"), "40045 0\n40047 0\n");
}

// The first record layout, its tip the text, one NUL and spaces; the shell takes it; the mouse
// reports that come back as the callback message reach the tray.
TEST(Win32Tray, TheRecordTheShellAndTheReports) {
  struct Events final : NotificationIconEvents {
    void Activated() override { log += "activated "; }
    void MenuRequested() override { log += "menu "; }
    std::string log;
  } events;
  Win32NotifyIcon icon(GetModuleHandleA(nullptr));
  icon.SetEvents(&events);
  NOTIFYICONDATAA data = icon.Record(TrayPicture::Off, "Alarm is off");
  EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 104u : 88u);  // this is a 64-bit build
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 512u);
  EXPECT_EQ(std::string(data.szTip, 64),
            "Alarm is off" + std::string(1, '\0') + std::string(51, ' '));
  EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  data = icon.Record(TrayPicture::Armed, "Alarm is on - Time: 7:00");
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
  for (const LPARAM report :
       {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
    SendMessageA(icon.Window(), 512, 1, report);
  }
  EXPECT_EQ(events.log, "activated menu ");
  EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
}

TEST(Win32Settings, TextsComeBackUnderTheExecutablesNameAndMissingOnesAsTheDefault) {
  Win32SettingsStore store;
  store.SaveSetting("dq-test", "Settings", "Hour", "7,5");
  EXPECT_EQ(store.GetSetting("dq-test", "Settings", "Hour", "00"), "7,5");
  EXPECT_EQ(store.GetSetting("dq-test", "Settings", "Minute", "00"), "00");
  EXPECT_EQ(store.GetSetting("dq-none", "Settings", "Hour", "00"), "00");
  EXPECT_EQ(Win32Executable().Name(), "win32_tests");
}

TEST(Win32Version, TheExecutableCarriesItsVersionRecord) {
  const DWORD size = GetFileVersionInfoSizeA(DAWNQUILL_EXE, nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> record(size);
  ASSERT_TRUE(GetFileVersionInfoA(DAWNQUILL_EXE, 0, size, record.data()));
  const auto value = [&](const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    return VerQueryValueA(record.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)
               ? std::string(text)
               : std::string();
  };
  EXPECT_EQ(value("FileVersion"), "1.00.0001");
  EXPECT_EQ(value("ProductVersion"), "1.00.0001");
  EXPECT_EQ(value("ProductName"), "DawnQuill");
  EXPECT_EQ(value("InternalName"), "DawnQuill");
  EXPECT_EQ(value("OriginalFilename"), "DawnQuill.exe");
}

// Message boxes answered in process: a hook sees each box open, notes its title and answers.
HHOOK hook = nullptr;
int answer = IDOK;
std::string titles;
LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam) {
  char windowClass[16] = "";
  if (code == HCBT_ACTIVATE &&
      GetClassNameA(reinterpret_cast<HWND>(wParam), windowClass, sizeof windowClass) > 0 &&
      std::string(windowClass) == "#32770") {
    char title[64] = "";
    GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
    titles += std::string(title) + ";";
    PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, answer, 0);
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

TEST(Win32MessageBoxes, TheAnswerComesBackAsTheButtonPressed) {
  hook = SetWindowsHookExA(WH_CBT, AnswerBoxes, nullptr, GetCurrentThreadId());
  Win32MessageBoxes boxes;
  const struct {
    BoxButtons buttons;
    int pressed;
    BoxAnswer expected;
  } cases[] = {{BoxButtons::RetryCancel, IDRETRY, BoxAnswer::Retry},
               {BoxButtons::RetryCancel, IDCANCEL, BoxAnswer::Cancel},
               {BoxButtons::Ok, IDOK, BoxAnswer::Ok}};
  for (const auto& c : cases) {
    answer = c.pressed;
    EXPECT_EQ(boxes.Show("prompt", "Winamp not running", BoxKind::Information, c.buttons),
              c.expected);
  }
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(titles, "Winamp not running;Winamp not running;Winamp not running;");
}

}  // namespace
}  // namespace dawnquill::testing
