#include "core/number_rules.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace dawnquill::numbers {
namespace {

struct Reading {
  std::string text;
  double leading;
  bool numeric;
};

TEST(NumberRules, ReadsTheLeadingNumberOfAnyText) {
  const std::string thousandNines(1000, '9');
  const Reading cases[] = {
      {"12abc", 12, false},
      {"abc", 0, false},
      {"", 0, false},
      {"-3", -3, true},
      {"7.5", 7.5, true},
      {".5", 0.5, true},
      {"9.", 9, true},
      {"1 2", 12, false},   // blanks inside are skipped, but the text is not one number
      {" \t7\n", 7, true},  // blanks around a number are allowed
      {"0 7", 7, false},
      {"07", 7, true},
      {"+5", 5, true},
      {"-", 0, false},
      {"+", 0, false},
      {".", 0, false},
      {"-.", 0, false},
      {"--3", 0, false},
      {"1.2.3", 1.2, false},
      {"&H10", 0, false},  // no radix prefixes
      {"0x1A", 0, false},
      {"1e3", 1000, true},  // the exponent form that NumberText writes reads back
      {"1E+20", 1e20, true},
      {"2e", 2, false},  // a lone exponent letter ends the number before it
      {"2e-", 2, false},
      {"1e400", std::numeric_limits<double>::max(), true},
      {"-1e400", -std::numeric_limits<double>::max(), true},
      {"1e-400", 0, true},
      {"nan", 0, false},
      {"inf", 0, false},
      {"-inf", 0, false},
      {thousandNines, std::numeric_limits<double>::max(), true},
      {"0.000000000000000000000000000000000000000000000001", 1e-48, true},
      {std::string("5\0x", 3), 5, false},
      {"\xff\xfe"
       "3",
       0, false},
      {"12:30", 12, false},
      {"7,5", 7, false},  // the point is the only decimal mark read
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text: " + c.text);
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.leading);  // beyond the double range it saturates
    EXPECT_EQ(IsNumericText(c.text), c.numeric);
  }
}

TEST(NumberRules, TenThousandDigitsStayFiniteAndCheap) {
  EXPECT_EQ(LeadingNumber(std::string(10000, '7')), std::numeric_limits<double>::max());
  EXPECT_DOUBLE_EQ(LeadingNumber("0." + std::string(10000, '0') + "1"), 0);
  EXPECT_DOUBLE_EQ(LeadingNumber(std::string(10000, '0') + "42"), 42);
}

TEST(NumberRules, WritesTheShortestNumberText) {
  const struct {
    double value;
    const char* separator;
    std::string text;
  } cases[] = {
      {7, ".", "7"},
      {0, ".", "0"},
      {-0.0, ".", "0"},
      {-3, ".", "-3"},
      {9.5, ".", "9.5"},
      {9.5, ",", "9,5"},
      {7.25, "\xd9\xab",
       "7\xd9\xab"
       "25"},  // a separator of more than one byte
      {100, ".", "100"},
      {0.1 + 0.2, ".", "0.3"},  // 15 significant digits hide the binary noise
      {123456789012345, ".", "123456789012345"},
      {1e15, ".", "1E+15"},
      {1e20, ",", "1E+20"},
      {std::numeric_limits<double>::max(), ".", "1.79769313486232E+308"},
      {std::numeric_limits<double>::infinity(), ".", "1.79769313486232E+308"},
      {std::nan(""), ".", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.value, c.separator), c.text);
  }
}

TEST(NumberRules, NumberTextReadsBackAsTheSameNumber) {
  for (const double value :
       {7.0, -3.0, 9.5, 1e20, 1.5e-7, 123.456, -0.001, std::numeric_limits<double>::max()}) {
    EXPECT_DOUBLE_EQ(LeadingNumber(NumberText(value)), value) << value;
  }
}

TEST(NumberRules, WholeValuesRoundHalvesToEvenAndRefuseWhatDoesNotFit) {
  const struct {
    double value;
    std::optional<std::int16_t> whole;
  } cases[] = {
      {8.5, 8},
      {9.5, 10},
      {7.5, 8},
      {-2.5, -2},
      {-3.5, -4},
      {7.4999, 7},
      {99.5, 100},
      {0.5, 0},
      {32767, 32767},
      {-32768, -32768},
      {32767.5, std::nullopt},
      {-32768.5, -32768},
      {-32769, std::nullopt},
      {1e300, std::nullopt},
      {std::nan(""), std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WholeValue(c.value), c.whole) << c.value;
  }
}

}  // namespace
}  // namespace dawnquill::numbers
