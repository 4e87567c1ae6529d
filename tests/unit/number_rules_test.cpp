#include "core/number_rules.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace dawnquill::numbers {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Blanks inside a number are skipped but make it no number; blanks around it are allowed; the
// point is the only decimal mark; there are no radix prefixes; a lone exponent letter ends the
// number before it; beyond the range of a double the value saturates, and ten thousand digits
// are read like ten.
TEST(NumberRules, ReadsTheLeadingNumberOfAnyText) {
  const struct {
    std::string text;
    double leading;
    bool numeric;
  } cases[] = {
      // clang-format off
      {"12abc", 12, false}, {"abc", 0, false}, {"", 0, false}, {"-3", -3, true},
      {"7.5", 7.5, true}, {".5", 0.5, true}, {"9.", 9, true}, {"1 2", 12, false},
      {" \t7\n", 7, true}, {"0 7", 7, false}, {"07", 7, true}, {"+5", 5, true},
      {"-", 0, false}, {".", 0, false}, {"-.", 0, false}, {"--3", 0, false},
      {"1.2.3", 1.2, false}, {"&H10", 0, false}, {"0x1A", 0, false}, {"1e3", 1000, true},
      {"1E+20", 1e20, true}, {"2e", 2, false}, {"2e-", 2, false}, {"1e400", kMax, true},
      {"-1e400", -kMax, true}, {"1e-400", 0, true}, {"nan", 0, false}, {"-inf", 0, false},
      {std::string(10000, '9'), kMax, true}, {"0." + std::string(47, '0') + "1", 1e-48, true},
      {"0." + std::string(10000, '0') + "1", 0, true}, {std::string(10000, '0') + "42", 42, true},
      {std::string("5\0x", 3), 5, false}, {"\xff\xfe" "3", 0, false}, {"12:30", 12, false},
      {"7,5", 7, false},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text: " + c.text);
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.leading);
    EXPECT_EQ(IsNumericText(c.text), c.numeric);
  }
}

// Fifteen significant digits hide the binary noise; the separator may be more than one byte. That a
// written text reads back to itself is the fuzz target's to prove, on any input.
TEST(NumberRules, WritesTheShortestNumberText) {
  const struct {
    double value;
    const char* separator;
    std::string text;
  } cases[] = {
      // clang-format off
      {7, ".", "7"}, {-0.0, ".", "0"}, {-3, ".", "-3"}, {9.5, ",", "9,5"}, {100, ".", "100"},
      {7.25, "\xd9\xab", "7\xd9\xab" "25"}, {0.1 + 0.2, ".", "0.3"}, {1e15, ".", "1E+15"},
      {123456789012345, ".", "123456789012345"}, {1e20, ",", "1E+20"}, {std::nan(""), ".", "0"},
      {kMax, ".", "1.79769313486232E+308"}, {kInf, ".", "1.79769313486232E+308"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value, c.separator), c.text) << c.text;
}

TEST(NumberRules, WholeValuesRoundHalvesToEvenAndRefuseWhatDoesNotFit) {
  const std::optional<std::int16_t> none;
  const struct {
    double value;
    std::optional<std::int16_t> whole;
  } cases[] = {
      // clang-format off
      {8.5, 8}, {9.5, 10}, {-2.5, -2}, {-3.5, -4}, {7.4999, 7}, {99.5, 100}, {0.5, 0},
      {32767, 32767}, {-32768, -32768}, {32767.5, none}, {-32768.5, -32768}, {-32769, none},
      {1e300, none}, {std::nan(""), none}, {kInf, none},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(WholeValue(c.value), c.whole) << c.value;
}

}  // namespace
}  // namespace dawnquill::numbers
