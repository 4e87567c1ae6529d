#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "interfaces/texts.h"

// The texts a person sees, asked for in English and shown in the user's language. Until a
// platform gives its catalogue, and where the catalogue has nothing, they stay English.
namespace dawnquill {

// An English text as a table holds it, with the context that tells it apart: translated where it
// is shown, not where it is written. Of literals alone, held as two pointers so that the windows'
// tables stay small.
struct Words {
  constexpr Words() = default;
  constexpr Words(const char* english) : english(english) {}
  constexpr Words(const char* context, const char* english) : context(context), english(english) {}

  constexpr bool Empty() const { return english[0] == '\0'; }

  const char* context = "";
  const char* english = "";
};

// Marks a table's text for the catalogue's template.
constexpr Words Said(const char* english) { return {english}; }
constexpr Words Said(const char* context, const char* english) { return {context, english}; }

// The catalogue must outlive every text asked for; nullptr gives English again.
void SetTexts(const Texts* texts);
// Tr("English") and Tr(words) alike.
std::string Tr(const Words& words);
std::string Tr(std::string_view context, std::string_view english);
// `text` with each %1 to %9 replaced by that value, so that a translation may put the values in
// its own order. Each is replaced once: a %2 inside a value stays as it is.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace dawnquill
