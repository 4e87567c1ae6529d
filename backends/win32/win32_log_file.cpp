#include "backends/win32/win32_log_file.h"

#include <cstdio>

namespace dawnquill {
namespace {

constexpr LONGLONG kLongest = 64LL * 1024;

}  // namespace

Win32LogFile::Win32LogFile() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
  if (length == 0 || length > MAX_PATH - 32) return;
  lstrcatW(folder, L"\\DawnQuill");
  CreateDirectoryW(folder, nullptr);
  wchar_t old[MAX_PATH];
  wsprintfW(path_, L"%s\\DawnQuill.log", folder);
  wsprintfW(old, L"%s\\DawnQuill.old.log", folder);
  WIN32_FILE_ATTRIBUTE_DATA file;
  if (GetFileAttributesExW(path_, GetFileExInfoStandard, &file) &&
      (static_cast<LONGLONG>(file.nFileSizeHigh) << 32 | file.nFileSizeLow) > kLongest) {
    MoveFileExW(path_, old, MOVEFILE_REPLACE_EXISTING);
  }
}

// Opened for each line: lines are few, and each is on the disk before the next can be lost.
void Win32LogFile::Line(logger::Level level, std::string_view text) {
  if (path_[0] == L'\0') return;
  HANDLE file = CreateFileW(path_, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  SYSTEMTIME now;
  GetLocalTime(&now);
  char stamp[48];
  const char* levelText = level == logger::Level::Warning ? "warning: "
                          : level == logger::Level::Error ? "error: "
                                                          : "";
  const int stampLength =
      std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d %s", now.wYear, now.wMonth,
                    now.wDay, now.wHour, now.wMinute, now.wSecond, levelText);
  DWORD written = 0;
  WriteFile(file, stamp, static_cast<DWORD>(stampLength), &written, nullptr);
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  WriteFile(file, "\r\n", 2, &written, nullptr);
  CloseHandle(file);
}

}  // namespace dawnquill
