#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

// The program's texts are UTF-8 and Windows' are UTF-16: each crosses here, at the kit's edge,
// so that no text or path passes through the ANSI code page, which cannot hold every character.
std::wstring Wide(std::string_view text);
std::string Utf8(std::wstring_view text);

}  // namespace dawnquill
