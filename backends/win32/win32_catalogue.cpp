#include "backends/win32/win32_catalogue.h"

#include <algorithm>
#include <string>
#include <vector>

#include "backends/catalogue/catalogue_texts.h"
#include "backends/win32/win32_text.h"

namespace dawnquill {
namespace {

// The display languages in the order the user prefers them, as tags: "de-DE", "en-US".
std::vector<std::string> PreferredLanguages() {
  ULONG count = 0;
  ULONG length = 0;
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length)) return {};
  std::wstring all(length, L'\0');
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, all.data(), &length)) return {};
  std::vector<std::string> languages;
  for (std::size_t at = 0; at < all.size() && all[at] != L'\0';) {
    const std::size_t end = std::min(all.find(L'\0', at), all.size());
    languages.push_back(Utf8(std::wstring_view(all).substr(at, end - at)));
    at = end + 1;
  }
  return languages;
}

}  // namespace

std::string_view UserCatalogue(HINSTANCE instance) {
  for (const std::string& name : CatalogueNames(PreferredLanguages())) {
    HRSRC found = FindResourceW(instance, Wide(name).c_str(), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) return {static_cast<const char*>(bytes), SizeofResource(instance, found)};
  }
  return {};
}

}  // namespace dawnquill
