#include "backends/catalogue/catalogue_texts.h"

namespace dawnquill {

std::string CatalogueTexts::Translate(std::string_view context, std::string_view english) const {
  const std::optional<std::string_view> found =
      catalogue_ ? catalogue_->Find(context, english) : std::nullopt;
  return std::string(found.value_or(english));
}

std::vector<std::string> CatalogueNames(const std::vector<std::string>& languages) {
  std::vector<std::string> names;
  for (const std::string& tag : languages) {
    const std::string language = tag.substr(0, tag.find('-'));
    if (language.empty()) continue;
    if (language == "en") break;
    // gettext's names join the language and the country: the script between them is left out.
    const std::size_t lastDash = tag.rfind('-');
    if (lastDash != std::string::npos) names.push_back(language + "_" + tag.substr(lastDash + 1));
    names.push_back(language);
  }
  return names;
}

}  // namespace dawnquill
