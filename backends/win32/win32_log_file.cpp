#include "backends/win32/win32_log_file.h"

#include <cstdio>

#include <windows.h>

namespace dawnquill {
namespace {

constexpr LONGLONG kLongest = 64LL * 1024;

}  // namespace

Win32LogFile::Win32LogFile() {
  wchar_t data[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", data, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::wstring folder = std::wstring(data, length) + L"\\DawnQuill";
  CreateDirectoryW(folder.c_str(), nullptr);
  path_ = folder + L"\\DawnQuill.log";
  WIN32_FILE_ATTRIBUTE_DATA file;
  if (GetFileAttributesExW(path_.c_str(), GetFileExInfoStandard, &file) &&
      (static_cast<LONGLONG>(file.nFileSizeHigh) << 32 | file.nFileSizeLow) > kLongest) {
    MoveFileExW(path_.c_str(), (folder + L"\\DawnQuill.old.log").c_str(),
                MOVEFILE_REPLACE_EXISTING);
  }
}

// Opened for each line: lines are few, and each is on the disk before the next can be lost.
void Win32LogFile::Line(std::string_view text) {
  if (path_.empty()) return;
  HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  SYSTEMTIME now;
  GetLocalTime(&now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d ", now.wYear, now.wMonth,
                now.wDay, now.wHour, now.wMinute, now.wSecond);
  const std::string line = stamp + std::string(text) + "\r\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace dawnquill
