#include "core/number_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace dawnquill::numbers {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the characters of the leading number into a plain form that strtod reads. Digits
// beyond what a double can tell apart only move the exponent, so a thousand-digit text stays
// cheap.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // Scans one number from the current position; true when digits were found.
  bool Scan() {
    SkipBlanks();
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
      negative_ = text_[pos_] == '-';
      ++pos_;
    }
    const bool whole = Digits(/*fraction=*/false);
    bool fraction = false;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      fraction = Digits(/*fraction=*/true);
    }
    if (!whole && !fraction) return false;
    Exponent();
    return true;
  }

  double Value() const {
    if (mantissa_.empty()) return negative_ ? -0.0 : 0.0;
    // Digits and an exponent only: with no radix character in it, the C library reads the form
    // alike in every locale, and without the tables that make from_chars for a double a tenth of
    // the Windows program.
    const std::string form = mantissa_ + "e" + std::to_string(exponent_);
    double value = std::strtod(form.c_str(), nullptr);
    if (std::isinf(value)) value = std::numeric_limits<double>::max();
    return negative_ ? -value : value;
  }

  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }

 private:
  static constexpr std::size_t kKeptDigits = 40;
  static constexpr long kExponentLimit = 100000;

  void SkipBlanks() {
    while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
  }

  bool Digits(bool fraction) {
    bool any = false;
    for (;; ++pos_) {
      SkipBlanks();
      if (pos_ >= text_.size() || !IsDigit(text_[pos_])) break;
      any = true;
      const char digit = text_[pos_];
      if (mantissa_.empty() && digit == '0') {
        if (fraction) --exponent_;  // leading zeros of a fraction shift the scale only
        continue;
      }
      if (mantissa_.size() < kKeptDigits) {
        mantissa_ += digit;
        if (fraction) --exponent_;
      } else if (!fraction) {
        ++exponent_;
      }
      exponent_ = std::clamp(exponent_, -kExponentLimit, kExponentLimit);
    }
    return any;
  }

  // An exponent counts only when digits follow the letter; otherwise the number ends before it.
  void Exponent() {
    const std::size_t start = pos_;
    SkipBlanks();
    if (pos_ >= text_.size() || (text_[pos_] != 'e' && text_[pos_] != 'E')) {
      pos_ = start;
      return;
    }
    ++pos_;
    SkipBlanks();
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
      negative = text_[pos_] == '-';
      ++pos_;
    }
    long exponent = 0;
    bool any = false;
    for (;; ++pos_) {
      SkipBlanks();
      if (pos_ >= text_.size() || !IsDigit(text_[pos_])) break;
      any = true;
      exponent = std::min(exponent * 10 + (text_[pos_] - '0'), kExponentLimit);
    }
    if (!any) {
      pos_ = start;
      return;
    }
    exponent_ = std::clamp(exponent_ + (negative ? -exponent : exponent), -2 * kExponentLimit,
                           2 * kExponentLimit);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  bool negative_ = false;
  std::string mantissa_;  // significant digits, without leading zeros
  long exponent_ = 0;     // power of ten that the mantissa's last digit stands for
};

}  // namespace

double LeadingNumber(std::string_view text) {
  Scanner scanner(text);
  return scanner.Scan() ? scanner.Value() : 0.0;
}

bool IsNumericText(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsSkipped);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsSkipped).base();
  if (first < last && std::any_of(first, last, IsSkipped)) return false;
  Scanner scanner(text);
  return scanner.Scan() && scanner.AtEnd();
}

std::string NumberText(double value, std::string_view decimalSeparator) {
  if (std::isnan(value)) value = 0;
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
  if (value == 0) return "0";  // also for -0
  // printf's own rounding to 15 digits, as std::to_chars would give it, without the tables that
  // make to_chars a third of the Windows program. The C library may write the radix in the
  // user's locale: the one character that is no digit, sign or exponent mark is it.
  std::array<char, 64> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
  std::string text;
  for (int i = 0; i < length; ++i) {
    const char c = buffer[static_cast<std::size_t>(i)];
    if (c == 'e') {
      text += 'E';
    } else if ((c >= '0' && c <= '9') || c == '+' || c == '-') {
      text += c;
    } else {
      text += decimalSeparator;
    }
  }
  return text;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<std::int16_t> WholeValue(double value) {
  const double whole = RoundHalfEven(value);
  if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
        whole <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(whole);
}

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

}  // namespace dawnquill::numbers
