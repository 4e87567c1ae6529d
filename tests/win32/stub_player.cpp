// A stand-in for the player: a window of the player's class that appends "wParam lParam" to a
// log file for every WM_COMMAND it is sent, and "volume N" for every volume it is set to; asked
// for its volume, it answers the last one set, 200 of 255 at first. It closes after five minutes,
// longer than any case runs, should the case that started it be gone. With "hung" it takes five
// seconds over each command, as a player that stopped answering does. With "stuck" it stands in for
// a DawnQuill that will not end instead: a window of its class and caption that lets every request
// to end go by.
//   stub_player LOGFILE [hung|stuck]
#include <cstdio>
#include <string_view>

#include <windows.h>

namespace {

const char* logPath = nullptr;
bool hung = false;
LRESULT volume = 200;
constexpr LPARAM kVolume = 122;

void Write(const char* format, long long a, long long b = 0) {
  if (std::FILE* log = std::fopen(logPath, "ab")) {
    std::fprintf(log, format, a, b);
    std::fclose(log);
  }
}

LRESULT CALLBACK Player(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    Write("%lld %lld\n", static_cast<long long>(wParam), static_cast<long long>(lParam));
    if (hung) Sleep(5000);
    return 0;
  }
  if (message == WM_USER && lParam == kVolume) {
    if (static_cast<LONG_PTR>(wParam) == -666) return volume;
    volume = static_cast<LRESULT>(wParam);
    Write("volume %lld\n", static_cast<long long>(volume));
    return 0;
  }
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
