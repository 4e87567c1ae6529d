#include "backends/win32/win32_text.h"

#include <windows.h>

namespace dawnquill {

// A UTF-8 text never takes more UTF-16 units than bytes, nor a UTF-16 one more than three bytes a
// unit: one call into a buffer of that size, cut to what was written.
std::wstring Wide(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

std::string Utf8(std::wstring_view text) {
  std::string utf8(text.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

}  // namespace dawnquill
