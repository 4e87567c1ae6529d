#include "backends/catalogue/mo_catalogue.h"

#include <string>

namespace dawnquill {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
constexpr std::uint32_t kHeaderBytes = 28;
constexpr std::uint32_t kEntryBytes = 8;  // a text's length, then its offset

std::uint32_t Swapped(std::uint32_t word) {
  return (word >> 24) | ((word >> 8) & 0xff00) | ((word << 8) & 0xff0000) | (word << 24);
}

}  // namespace

std::uint32_t MoCatalogue::Word(std::uint32_t at) const {
  std::uint32_t word = 0;
  for (int i = 3; i >= 0; --i) word = word << 8 | static_cast<unsigned char>(bytes_[at + i]);
  return swapped_ ? Swapped(word) : word;
}

// The text an entry of a table names, which must end with its NUL inside the bytes.
std::optional<std::string_view> MoCatalogue::Text(std::uint32_t table, std::uint32_t index) const {
  const std::uint32_t entry = table + index * kEntryBytes;
  const std::uint64_t length = Word(entry);
  const std::uint64_t offset = Word(entry + 4);
  if (offset + length >= bytes_.size() || bytes_[offset + length] != '\0') return std::nullopt;
  return bytes_.substr(offset, length);
}

std::optional<MoCatalogue> MoCatalogue::Read(std::string_view bytes) {
  if (bytes.size() < kHeaderBytes) return std::nullopt;
  MoCatalogue catalogue(bytes, false, 0, 0, 0);
  const std::uint32_t magic = catalogue.Word(0);
  if (magic != kMagic && magic != kSwappedMagic) return std::nullopt;
  catalogue.swapped_ = magic == kSwappedMagic;
  catalogue.count_ = catalogue.Word(8);
  catalogue.originals_ = catalogue.Word(12);
  catalogue.translations_ = catalogue.Word(16);
  const std::uint64_t tableBytes = std::uint64_t{catalogue.count_} * kEntryBytes;
  for (const std::uint64_t table : {catalogue.originals_, catalogue.translations_}) {
    if (table + tableBytes > bytes.size()) return std::nullopt;
  }
  std::optional<std::string_view> last;
  for (std::uint32_t i = 0; i < catalogue.count_; ++i) {
    const std::optional<std::string_view> original = catalogue.Text(catalogue.originals_, i);
    if (!original || !catalogue.Text(catalogue.translations_, i) || (last && *original <= *last)) {
      return std::nullopt;
    }
    last = original;
  }
  return catalogue;
}

std::optional<std::string_view> MoCatalogue::Find(std::string_view context,
                                                  std::string_view english) const {
  std::string key(context);
  if (!key.empty()) key += '\x04';
  key += english;
  std::uint32_t low = 0;
  std::uint32_t high = count_;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const std::string_view original = *Text(originals_, middle);
    if (original == key) {
      const std::string_view translation = *Text(translations_, middle);
      if (translation.empty()) return std::nullopt;
      return translation;
    }
    if (original < key) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::nullopt;
}

}  // namespace dawnquill
