#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How DawnQuill reads numbers out of what the user typed or the settings file holds, and how it
// writes them back. Every function accepts any byte string and never throws.
namespace dawnquill::numbers {

// The number at the start of a text. Blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, digits, an optional point with more digits and an optional
// exponent (E or e). Anything else ends the number; a text without one reads as 0. Magnitudes
// beyond the double range saturate at the largest finite double, so the result is always finite.
double LeadingNumber(std::string_view text);

// True when the whole text, blanks around it aside, is one number in the form above, with no
// blank inside it.
bool IsNumericText(std::string_view text);

// Shortest decimal text with at most 15 significant digits, the given decimal separator, and
// exponent form (1E+20) from 15 integer digits on; reads back through LeadingNumber when the
// separator is the point.
std::string NumberText(double value, std::string_view decimalSeparator = ".");

// Rounded to the nearest whole number, exact halves to the even neighbour.
double RoundHalfEven(double value);

// RoundHalfEven as a 16-bit integer; nothing when the result does not fit.
std::optional<std::int16_t> WholeValue(double value);

// 0 to 99 written with two digits: 00, 05, 23.
std::string TwoDigits(int value);

}  // namespace dawnquill::numbers
