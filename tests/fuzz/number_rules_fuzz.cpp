// Any bytes through the number rules: no crash, no undefined behaviour, always a finite number,
// and a number text that reads back to itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/number_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dawnquill::numbers;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = LeadingNumber(text);
  if (!std::isfinite(value)) std::abort();
  if (IsNumericText(text) && RoundHalfEven(value) != RoundHalfEven(LeadingNumber(text))) {
    std::abort();
  }
  const std::string written = NumberText(value);
  if (NumberText(LeadingNumber(written)) != written) std::abort();
  if (!IsNumericText(written)) std::abort();
  WholeValue(value);
  NumberText(value, ",");
  return 0;
}
