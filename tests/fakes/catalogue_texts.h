#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "backends/catalogue/mo_catalogue.h"
#include "interfaces/texts.h"

// Each compiled catalogue below a folder as the texts a window shows, for the kits' tests to lay
// the windows out in every language.
namespace dawnquill::testing {

class CatalogueTexts final : public Texts {
 public:
  explicit CatalogueTexts(const std::filesystem::path& file)
      : bytes_(std::istreambuf_iterator<char>(std::ifstream(file, std::ios::binary).rdbuf()), {}),
        catalogue_(MoCatalogue::Read(bytes_)) {}
  CatalogueTexts(const CatalogueTexts&) = delete;
  CatalogueTexts& operator=(const CatalogueTexts&) = delete;

  bool Read() const { return catalogue_ && catalogue_->Count() > 0; }
  std::string Translate(std::string_view context, std::string_view english) const override {
    const std::optional<std::string_view> text = catalogue_->Find(context, english);
    return std::string(text ? *text : english);
  }

 private:
  std::string bytes_;
  std::optional<MoCatalogue> catalogue_;
};

inline std::vector<std::filesystem::path> Catalogues(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.path().extension() == ".mo") files.push_back(entry.path());
  }
  return files;
}

}  // namespace dawnquill::testing
