#include "backends/catalogue/mo_catalogue.h"

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "backends/catalogue/catalogue_texts.h"

// A catalogue that msgfmt compiled from tests/catalogue/sample.po at build time.
namespace dawnquill::testing {
namespace {

std::string SampleBytes() {
  std::ifstream file(DAWNQUILL_SAMPLE_MO, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

TEST(MoCatalogue, FindsEachTextByItsContextAndLeavesTheRestEnglish) {
  const std::string bytes = SampleBytes();
  const std::optional<MoCatalogue> catalogue = MoCatalogue::Read(bytes);
  ASSERT_TRUE(catalogue);
  const struct {
    const char *context, *english;
    std::optional<std::string_view> translation;
  } cases[] = {
      {"toggle", "Turn alarm off", "Ausschalten"},
      {"wake-up button", "Turn alarm off", "Wecker ausschalten"},
      {"", "Turn alarm off", std::nullopt},  // only ever asked for with a context
      {"", "Alarm is on - Time: %1", "Wecker gestellt auf %1"},
      {"", "Snooze", std::nullopt},  // in the catalogue, not translated
      {"",
       "Gr\xc3\xb6\xc3\x9f"
       "e \xe2\x98\x80",
       "Gr\xc3\xb6\xc3\x9f"
       "e \xe2\x98\x80 \xe2\x80\xa6"},
      {"", "Exit", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(catalogue->Find(c.context, c.english), c.translation) << c.context << c.english;
  }
  // Cut short anywhere, or with its magic number or a table's offset spoilt, it is refused.
  for (const std::size_t cut :
       {std::size_t{0}, std::size_t{27}, bytes.size() / 2, bytes.size() - 1}) {
    EXPECT_FALSE(MoCatalogue::Read(std::string_view(bytes).substr(0, cut))) << cut;
  }
  for (const std::size_t at : {std::size_t{0}, std::size_t{13}, std::size_t{17}}) {
    std::string spoilt = bytes;
    spoilt[at] = static_cast<char>(spoilt[at] ^ 0x40);
    EXPECT_FALSE(MoCatalogue::Read(spoilt)) << at;
    EXPECT_EQ(CatalogueTexts(spoilt).Translate("toggle", "Turn alarm off"), "Turn alarm off");
  }
  EXPECT_EQ(CatalogueTexts(bytes).Translate("toggle", "Turn alarm off"), "Ausschalten");
}

TEST(CatalogueNames, MostExactFirstAndEnglishEndsTheSearch) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(CatalogueNames({"pt-BR", "de-DE"}), (Names{"pt_BR", "pt", "de_DE", "de"}));
  EXPECT_EQ(CatalogueNames({"zh-Hans-CN", "fr"}), (Names{"zh_CN", "zh", "fr"}));
  EXPECT_EQ(CatalogueNames({"", "en-GB", "de-DE"}), Names{});
}

}  // namespace
}  // namespace dawnquill::testing
