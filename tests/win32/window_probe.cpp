// Looks at DawnQuill's windows from outside, as Windows and a user's tools see them:
//   window_probe ask|end|force  asks the main window, as before a log-off, whether the session may
//                               end, and prints the answer (1 or 0); then "end" tells a window
//                               that agreed that the session ends, and "force" tells it whatever
//                               it answered, as when the user signs out anyway
//   window_probe enabled        prints 1 when the main window takes input, else 0
//   window_probe wake-up        prints "owned" or "not owned", and "tool window" and "topmost" when
//                               it is one
//   window_probe client         prints the main window's client width and height
//   window_probe drop-icon      takes the program's icon out of the notification area, as a
//                               shell that ends takes it
//   window_probe shell-started  tells every window "TaskbarCreated", as Explorer does when it
//                               starts again
//   window_probe texts          prints the text of each of the main window's controls, a line
//                               each, in UTF-8
//   window_probe count          prints how many main windows there are, shown or not
//   window_probe icon-sizes EXE prints the sizes of the images in the program file's icon
//   window_probe status-place   prints where the status line is on the screen: WxH+X+Y
//   window_probe system-menu N  chooses item N of the main window's system menu, with the low
//                               bits set that Windows sets for a choice by mouse
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <windows.h>

#include <shellapi.h>

namespace {

constexpr UINT kBoundMs = 5000;

int Session(HWND window, std::string_view then) {
  DWORD_PTR mayEnd = 0;
  if (SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                          kBoundMs, &mayEnd) == 0) {
    return 1;
  }
  std::printf("%d\n", mayEnd != 0 ? 1 : 0);
  if (then == "force" || (then == "end" && mayEnd != 0)) {
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kBoundMs,
                        nullptr);
  }
  return 0;
}

}  // namespace

// Finds the status line, the one child whose text is a state's.
BOOL CALLBACK FindStatus(HWND child, LPARAM found) {
  char text[128] = "";
  GetWindowTextA(child, text, sizeof text);
  const std::string_view line = text;
  if (!line.starts_with("Alarm is") && line != "Alarm!" && !line.starts_with("Snooze is")) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

BOOL CALLBACK PrintText(HWND child, LPARAM /*unused*/) {
  wchar_t wide[128] = L"";
  char text[512] = "";
  GetWindowTextW(child, wide, 128);
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  std::printf("%s\n", text);
  return TRUE;
}

BOOL CALLBACK CountMainWindows(HWND window, LPARAM count) {
  char caption[32] = "", windowClass[32] = "";
  GetWindowTextA(window, caption, sizeof caption);
  GetClassNameA(window, windowClass, sizeof windowClass);
  if (std::string_view(caption) == "DawnQuill" &&
      std::string_view(windowClass) == "DawnQuillForm") {
    ++*reinterpret_cast<int*>(count);
  }
  return TRUE;
}

// The icon directory of a resource: a header of three 16-bit words, then an entry of 14 bytes per
// image, whose first byte is its width, 0 standing for 256.
int PrintIconSizes(const char* program) {
  HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found =
      module != nullptr ? FindResourceA(module, MAKEINTRESOURCEA(1), RT_GROUP_ICON) : nullptr;
  const auto* directory = found != nullptr
                              ? static_cast<const BYTE*>(LockResource(LoadResource(module, found)))
                              : nullptr;
  if (directory == nullptr) return 1;
  const int count = directory[4] | directory[5] << 8;
  for (int i = 0; i < count; ++i) {
    const int width = directory[6 + 14 * i];
    std::printf("%s%d", i == 0 ? "" : " ", width == 0 ? 256 : width);
  }
  std::printf("\n");
  return 0;
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string_view command = argv[1];
  if (command == "icon-sizes") return argc == 3 ? PrintIconSizes(argv[2]) : 2;
  if (command == "wake-up") {
    HWND wakeUp = FindWindowA(nullptr, "Dawnquill - Wake up!");
    if (wakeUp == nullptr) return 1;
    const LONG_PTR style = GetWindowLongPtrA(wakeUp, GWL_EXSTYLE);
    std::printf("%s%s%s\n", GetWindow(wakeUp, GW_OWNER) != nullptr ? "owned" : "not owned",
                (style & WS_EX_TOOLWINDOW) != 0 ? " tool window" : "",
                (style & WS_EX_TOPMOST) != 0 ? " topmost" : "");
    return 0;
  }

  if (command == "drop-icon") {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = FindWindowA("DawnQuillTray", nullptr);
    icon.uID = 1;
    return icon.hWnd != nullptr && Shell_NotifyIconA(NIM_DELETE, &icon) ? 0 : 1;
  }
  if (command == "shell-started") {
    return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0) ? 0 : 1;
  }
  if (command == "count") {
    int count = 0;
    EnumWindows(CountMainWindows, reinterpret_cast<LPARAM>(&count));
    std::printf("%d\n", count);
    return 0;
  }
  HWND window = FindWindowA(nullptr, "DawnQuill");
  if (window == nullptr) return 1;
  if (command == "status-place") {
    HWND status = nullptr;
    EnumChildWindows(window, FindStatus, reinterpret_cast<LPARAM>(&status));
    RECT place{};
    if (status == nullptr || !GetWindowRect(status, &place)) return 1;
    std::printf("%ldx%ld+%ld+%ld\n", place.right - place.left, place.bottom - place.top, place.left,
                place.top);
    return 0;
  }
  if (command == "texts") {
    EnumChildWindows(window, PrintText, 0);
  } else if (command == "enabled") {
    std::printf("%d\n", IsWindowEnabled(window) ? 1 : 0);
  } else if (command == "system-menu" && argc == 3) {
    PostMessageA(window, WM_SYSCOMMAND, std::strtoul(argv[2], nullptr, 0) | 0x0003, 0);
  } else if (command == "client") {
    RECT client{};
    GetClientRect(window, &client);
    std::printf("%ld %ld\n", client.right, client.bottom);
  } else {
    return Session(window, command);
  }
  return 0;
}
