// Asks DawnQuill's main window, as Windows does before a log-off, whether the session may end,
// and prints the answer (1 or 0) with the reason the window gave Windows for refusing, where it
// can be read. Then "end" tells a window that agreed that the session ends, and "force" tells it
// whatever it answered, as when the user signs out anyway.
//   session_probe ask|end|force
#include <cstdio>
#include <string_view>

#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HWND window = FindWindowA(nullptr, "DawnQuill");
  if (window == nullptr) return 1;
  constexpr UINT kBoundMs = 5000;
  DWORD_PTR mayEnd = 0;
  if (SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                          kBoundMs, &mayEnd) == 0) {
    return 1;
  }
  // Looked up, not imported: Wine 8 has no ShutdownBlockReasonQuery.
  using Query = BOOL(WINAPI*)(HWND, LPWSTR, DWORD*);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32"), "ShutdownBlockReasonQuery")));
  wchar_t reason[256] = L"";
  DWORD length = 256;
  if (query == nullptr || query(window, reason, &length) == 0) reason[0] = L'\0';
  std::printf("%d %ls\n", mayEnd != 0 ? 1 : 0, reason);
  const std::string_view then = argv[1];
  if (then == "force" || (then == "end" && mayEnd != 0)) {
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kBoundMs,
                        nullptr);
  }
  return 0;
}
