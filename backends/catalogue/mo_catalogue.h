#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dawnquill {

// A compiled GNU gettext catalogue (a .mo file) read in place, for the platform whose toolchain
// has no gettext runtime. It holds the bytes it was read from: they must outlive it. Plural
// forms are not read, as no text the program shows has one.
class MoCatalogue {
 public:
  // Null for bytes that are not a whole catalogue: a wrong magic number, a table or a text that
  // lies outside the bytes, or originals out of order.
  static std::optional<MoCatalogue> Read(std::string_view bytes);

  // The translation of a text, looked up as gettext does: "context\x04english", or the English
  // alone. Null where the catalogue has none, or an empty one.
  std::optional<std::string_view> Find(std::string_view context, std::string_view english) const;

  std::uint32_t Count() const { return count_; }

 private:
  MoCatalogue(std::string_view bytes, bool swapped, std::uint32_t count, std::uint32_t originals,
              std::uint32_t translations)
      : bytes_(bytes),
        swapped_(swapped),
        count_(count),
        originals_(originals),
        translations_(translations) {}

  std::uint32_t Word(std::uint32_t at) const;
  std::optional<std::string_view> Text(std::uint32_t table, std::uint32_t index) const;

  std::string_view bytes_;
  bool swapped_;
  std::uint32_t count_;
  std::uint32_t originals_;
  std::uint32_t translations_;
};

}  // namespace dawnquill
