#include "backends/win32/win32_reason.h"

#include <iterator>

#include "backends/win32/win32_text.h"

namespace dawnquill {

std::string SystemReason(DWORD code) {
  wchar_t text[256] = L"";
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, std::size(text), nullptr);
  std::string reason = Utf8({text, length});
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason.empty() ? "Windows error " + std::to_string(code) : reason;
}

Failure LastFailure() {
  const DWORD error = GetLastError();
  return Failure{error == ERROR_SUCCESS ? "Windows gave no reason" : SystemReason(error)};
}

}  // namespace dawnquill
