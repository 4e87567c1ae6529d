#include "core/weekdays.h"

#include <array>
#include <chrono>

#include "core/texts.h"

namespace dawnquill {
namespace {

// The stored names are the English ones, whatever the user's language.
constexpr std::array kNames{Said("day in tip", "Mon"), Said("day in tip", "Tue"),
                            Said("day in tip", "Wed"), Said("day in tip", "Thu"),
                            Said("day in tip", "Fri"), Said("day in tip", "Sat"),
                            Said("day in tip", "Sun")};
static_assert(kNames.size() == kDaysPerWeek);

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

}  // namespace

int Weekdays::DayOf(const WallTime& date) {
  using namespace std::chrono;
  const sys_days day{year{date.year} / month{static_cast<unsigned>(date.month)} /
                     std::chrono::day{static_cast<unsigned>(date.day)}};
  return static_cast<int>(weekday{day}.iso_encoding()) - 1;
}

void Weekdays::Set(int day, bool on) {
  if (on) {
    mask_ |= 1U << day;
  } else {
    mask_ &= ~(1U << day);
  }
}

std::string Weekdays::Stored() const {
  std::string text;
  for (int day = 0; day < kDaysPerWeek; ++day) {
    if (!Has(day)) continue;
    if (!text.empty()) text += ',';
    text += kNames[day].english;
  }
  return text;
}

std::string Weekdays::Shown() const { return Listed(false); }

std::string Weekdays::InTip() const { return Listed(true); }

// Three days or more in a row are a range; fewer are named one by one.
std::string Weekdays::Listed(bool translated) const {
  const auto say = [translated](const Words& words) {
    return translated ? Tr(words) : std::string(words.english);
  };
  if (mask_ == (1U << kDaysPerWeek) - 1) return say(Said("every day"));
  std::string text;
  for (int day = 0; day < kDaysPerWeek;) {
    if (!Has(day)) {
      ++day;
      continue;
    }
    int last = day;
    while (last + 1 < kDaysPerWeek && Has(last + 1)) ++last;
    const auto add = [&](const std::string& part) {
      text = text.empty() ? part : Fill(say(Said("list of days", "%1, %2")), {text, part});
    };
    if (last - day >= 2) {
      add(Fill(say(Said("day range", "%1-%2")), {say(kNames[day]), say(kNames[last])}));
    } else {
      for (int each = day; each <= last; ++each) add(say(kNames[each]));
    }
    day = last + 1;
  }
  return text;
}

std::optional<Weekdays> ReadWeekdays(std::string_view text) {
  Weekdays days;
  if (Trimmed(text).empty()) return days;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view name = Trimmed(text.substr(0, comma));
    int day = 0;
    while (day < kDaysPerWeek && kNames[day].english != name) ++day;
    if (day == kDaysPerWeek) return std::nullopt;
    days.Set(day, true);
    if (comma == std::string_view::npos) return days;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace dawnquill
