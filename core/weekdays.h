#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interfaces/clock.h"

namespace dawnquill {

// The days of the week an alarm rings on, Monday first. None is an alarm that rings once.
class Weekdays {
 public:
  constexpr Weekdays() = default;

  // 0 for Monday to 6 for Sunday.
  static int DayOf(const WallTime& date);

  bool Once() const { return mask_ == 0; }
  bool Has(int day) const { return (mask_ >> day & 1U) != 0; }
  bool HasDayOf(const WallTime& date) const { return Once() || Has(DayOf(date)); }
  void Set(int day, bool on);

  // As the settings keep them: "Mon,Tue,Wed", English whatever the user's language.
  std::string Stored() const;
  // As the log shows them: "every day", "Mon-Fri", "Sat, Sun", "Mon, Wed, Fri"; empty for once.
  std::string Shown() const;
  // As the tip shows them, in the user's language.
  std::string InTip() const;

  friend bool operator==(Weekdays, Weekdays) = default;

 private:
  std::string Listed(bool translated) const;

  unsigned mask_ = 0;
};

inline constexpr int kDaysPerWeek = 7;

// Nothing for a text that names a day it does not know; empty text is once. Spaces around the
// names are allowed, and so is any order.
std::optional<Weekdays> ReadWeekdays(std::string_view text);

}  // namespace dawnquill
