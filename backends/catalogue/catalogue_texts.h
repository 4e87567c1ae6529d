#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/catalogue/mo_catalogue.h"
#include "interfaces/texts.h"

namespace dawnquill {

// The program's texts from one compiled catalogue; English where it has none, or where there is
// no catalogue at all.
class CatalogueTexts final : public Texts {
 public:
  // The bytes must outlive the texts. Bytes that are no whole catalogue give English.
  explicit CatalogueTexts(std::string_view bytes) : catalogue_(MoCatalogue::Read(bytes)) {}

  std::string Translate(std::string_view context, std::string_view english) const override;

 private:
  std::optional<MoCatalogue> catalogue_;
};

// The catalogues to look for, most exact first, for the user's languages in the order the user
// prefers them, each a tag such as "pt-BR" or "zh-Hans-CN": "pt_BR" before "pt". The search ends
// at English, the program's own language, so that an English first choice is never passed over
// for a second.
std::vector<std::string> CatalogueNames(const std::vector<std::string>& languages);

}  // namespace dawnquill
