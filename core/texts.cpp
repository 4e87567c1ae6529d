#include "core/texts.h"

namespace dawnquill {
namespace {

const Texts* texts = nullptr;  // set once at the start, read by the user-interface thread

}  // namespace

void SetTexts(const Texts* newTexts) { texts = newTexts; }

std::string Tr(std::string_view context, std::string_view english) {
  if (texts == nullptr) return std::string(english);
  return texts->Translate(context, english);
}

std::string Tr(const Words& words) { return Tr(words.context, words.english); }

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
      filled += values.begin()[n];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace dawnquill
