#include "core/wake_with.h"

#include <algorithm>
#include <cctype>

namespace dawnquill {
namespace {

constexpr std::string_view kFileScheme = "file://";

bool IsAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool IsDrivePath(std::string_view text) {
  return text.size() >= 3 && IsAlpha(text[0]) && text[1] == ':' &&
         (text[2] == '\\' || text[2] == '/');
}

bool HasScheme(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos || colon < 2 || !IsAlpha(text[0])) return false;
  return std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
    return IsAlpha(c) || std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' ||
           c == '.';
  });
}

// What RFC 3986 lets a path hold unescaped, short of the characters some players escape anyway.
bool KeptAsIs(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_' ||
         c == '~' || c == '/';
}

std::string FileUri(std::string_view path) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string uri(kFileScheme);
  if (IsDrivePath(path)) uri += '/';
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i] == '\\' ? '/' : path[i];
    if (KeptAsIs(c) || (i == 1 && c == ':' && IsDrivePath(path))) {
      uri += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      uri += '%';
      uri += kHex[byte >> 4U];
      uri += kHex[byte & 15U];
    }
  }
  return uri;
}

int HexValue(char c) {
  if (std::isdigit(static_cast<unsigned char>(c)) != 0) return c - '0';
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0) {
      out += text[i];
      continue;
    }
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

// "file:///C:/Music" is the path "C:/Music", and "file:///home" the path "/home".
std::string PathOf(std::string_view fileUri) {
  std::string path = Unescaped(fileUri.substr(kFileScheme.size()));
  if (path.size() > 1 && path[0] == '/' && IsDrivePath(std::string_view(path).substr(1))) {
    path.erase(0, 1);
  }
  return path;
}

bool IsFileUri(std::string_view text) {
  return text.size() > kFileScheme.size() &&
         std::equal(kFileScheme.begin(), kFileScheme.end(), text.begin(), [](char a, char b) {
           return a == std::tolower(static_cast<unsigned char>(b));
         });
}

std::string Comparable(std::string_view uri) {
  std::string text = IsFileUri(uri) ? PathOf(uri) : Unescaped(uri);
  std::replace(text.begin(), text.end(), '\\', '/');
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

Track TrackFor(std::string_view wakeWith) {
  if (wakeWith.empty()) return {};
  if (IsDrivePath(wakeWith) || !HasScheme(wakeWith)) {
    return {.uri = FileUri(wakeWith), .path = std::string(wakeWith)};
  }
  return {.uri = std::string(wakeWith), .path = IsFileUri(wakeWith) ? PathOf(wakeWith) : ""};
}

bool IsChosenTrack(const Track& chosen, std::string_view playing) {
  if (playing.empty()) return false;
  const std::string want = Comparable(chosen.uri);
  const std::string have = Comparable(playing);
  return have == want || (have.size() > want.size() && have.starts_with(want) &&
                          (have[want.size()] == '/' || want.ends_with('/')));
}

}  // namespace dawnquill
