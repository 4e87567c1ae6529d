// Any bytes through the number rules: no crash, no undefined behaviour, always a finite number
// rounded to its nearest whole neighbour, and a number text that reads back to itself.
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
  // The nearest whole number, and of two equally near the even one; 16 bits hold it exactly
  // when it is in their range.
  const double whole = RoundHalfEven(value);
  const double distance = std::fabs(whole - value);
  if (whole != std::trunc(whole) || distance > 0.5) std::abort();
  if (distance == 0.5 && std::fmod(whole, 2) != 0) std::abort();
  if (WholeValue(value).has_value() != (whole >= -32768 && whole <= 32767)) std::abort();
  const std::string written = NumberText(value);
  if (NumberText(LeadingNumber(written)) != written) std::abort();
  if (!IsNumericText(written)) std::abort();
  NumberText(value, ",");
  return 0;
}
