// A stand-in for the player: a window of the player's class that appends "wParam lParam" to a
// A stand-in for the player: a window of the player's class that appends "wParam lParam" to a
// log file for every WM_COMMAND it is sent, "volume N" for every volume it is set to, "play PATH"
// for a wide path handed over, which it appends to its list, and "select INDEX" as an entry is
// selected. Asked, it answers its volume (the last one set, 200 of 255 at first) and the list's
// length and place. It closes after five minutes, longer than any case runs, should the case that
// started it be gone. With "hung" it takes five seconds over each command, as a player that
// stopped answering does. With "stuck" it stands in for a DawnQuill that will not end instead: a
// window of its class and caption that lets every request to end go by.
//   stub_player LOGFILE [hung|stuck]
#include <cstdio>
#include <string_view>

#include <windows.h>

namespace {

const char* logPath = nullptr;
bool hung = false;
LRESULT volume = 200;
constexpr LPARAM kVolume = 122;
int listLength = 0;
int listPosition = 0;

void Log(const char* format, auto... values) {
  if (std::FILE* log = std::fopen(logPath, "ab")) {
    std::fprintf(log, format, values...);
    std::fclose(log);
  }
}

LRESULT CALLBACK Player(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    Log("%llu %lld\n", static_cast<unsigned long long>(wParam), static_cast<long long>(lParam));
    if (hung) Sleep(5000);
    return 0;
  }
  if (message == WM_USER && lParam == kVolume) {
    if (static_cast<LONG_PTR>(wParam) == -666) return volume;
    volume = static_cast<LRESULT>(wParam);
    Log("volume %lld\n", static_cast<long long>(volume));
    return 0;
  }
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->dwData != 1100) return FALSE;
    Log("play %ls\n", static_cast<const wchar_t*>(data->lpData));
    ++listLength;
    return TRUE;
  }
  if (message == WM_USER && lParam == 121) {
    listPosition = static_cast<int>(wParam);
    Log("select %d\n", listPosition);
    return 0;
  }
  if (message == WM_USER && lParam == 124) return listLength;
  if (message == WM_USER && lParam == 125) return listPosition;
  if (message == WM_TIMER || message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  logPath = argv[1];
  hung = argc > 2 && std::string_view(argv[2]) == "hung";
  const bool stuck = argc > 2 && std::string_view(argv[2]) == "stuck";
  WNDCLASSA playerClass{};
  playerClass.lpfnWndProc = Player;
  playerClass.hInstance = GetModuleHandleA(nullptr);
  playerClass.lpszClassName = stuck ? "DawnQuillForm" : "Winamp v1.x";
  if (!RegisterClassA(&playerClass)) return 1;
  HWND window = CreateWindowExA(0, playerClass.lpszClassName, stuck ? "DawnQuill" : "stub player",
                                WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                playerClass.hInstance, nullptr);
  SetTimer(window, 1, 5 * 60 * 1000, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
