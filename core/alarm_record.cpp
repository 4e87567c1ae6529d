#include "core/alarm_record.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <vector>

#include "core/number_rules.h"
#include "core/wall_clock.h"

namespace dawnquill {
namespace {

using std::chrono::seconds;
using std::chrono::sys_seconds;

// " key YYYY-MM-DDTHH:MM:SSZ"
void AppendInstant(std::string& text, const char* key, sys_seconds instant) {
  const WallTime t = UtcTimeAt(instant);
  char part[48];
  std::snprintf(part, sizeof part, " %s %04d-%02d-%02dT%02d:%02d:%02dZ", key, t.year, t.month,
                t.day, t.hour, t.minute, t.second);
  text += part;
}

// A level of zero or more, and nothing after it, with a point for its radix in every locale.
std::optional<double> ReadLevel(std::string_view text) {
  if (!numbers::IsNumericText(text)) return std::nullopt;
  const double level = numbers::LeadingNumber(text);
  if (level < 0 || level == std::numeric_limits<double>::max()) return std::nullopt;
  return level;
}

// The shortest text that reads back as the same number, so that the level comes back exactly.
// printf's, not to_chars's, whose tables would swell the Windows program by a third; the C
// library may write the radix in the user's locale, and the one character that is no digit,
// sign or exponent mark is it.
void AppendLevel(std::string& text, double level) {
  std::string number;
  for (int digits = 15; digits <= 17; ++digits) {
    char written[40];
    std::snprintf(written, sizeof written, "%.*g", digits, level);
    number = written;
    for (char& c : number) {
      if ((c < '0' || c > '9') && c != 'e' && c != '-' && c != '+') c = '.';
    }
    if (ReadLevel(number) == level) break;
  }
  text += " volume " + number;
}

// Exactly `count` decimal digits, nothing else: no sign, no space.
std::optional<int> Digits(std::string_view text, std::size_t count) {
  unsigned value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  if (text.size() != count || failure != std::errc{} || stop != end) return std::nullopt;
  return static_cast<int>(value);
}

// A number of one or two digits within [low, high].
std::optional<int> SmallNumber(std::string_view text, int low, int high) {
  const auto value = Digits(text, text.size() == 1 ? 1 : 2);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

// YYYY-MM-DDTHH:MM:SSZ, a real date and time.
std::optional<sys_seconds> ReadInstant(std::string_view text) {
  if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':' || text[19] != 'Z') {
    return std::nullopt;
  }
  const auto y = Digits(text.substr(0, 4), 4), mo = Digits(text.substr(5, 2), 2),
             d = Digits(text.substr(8, 2), 2), h = Digits(text.substr(11, 2), 2),
             mi = Digits(text.substr(14, 2), 2), s = Digits(text.substr(17, 2), 2);
  if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
  using namespace std::chrono;
  const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return std::nullopt;
  return sys_days{date} + hours{*h} + minutes{*mi} + seconds{*s};
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

}  // namespace

std::string RecordText(const AlarmRecord& record) {
  char alarm[40];
  std::snprintf(alarm, sizeof alarm, "%d:%02d delay %d", record.hour, record.minute,
                record.snoozeDelay);
  std::string text = alarm;
  if (!record.days.Once()) text += " days " + record.days.Stored();
  if (record.snoozeDue) AppendInstant(text, "snooze", *record.snoozeDue);
  if (record.rang) AppendInstant(text, "rang", *record.rang);
  if (record.volume) AppendLevel(text, *record.volume);
  AppendInstant(text, "written", record.written);
  return text;
}

std::optional<AlarmRecord> ReadRecord(std::string_view text) {
  const std::vector<std::string_view> words = Words(text);
  if (words.size() % 2 != 1) return std::nullopt;
  const std::string_view time = words[0];
  const std::size_t colon = time.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto hour = SmallNumber(time.substr(0, colon), 0, 23);
  const auto minute = Digits(time.substr(colon + 1), 2);
  if (!hour || !minute || *minute > 59) return std::nullopt;
  AlarmRecord record;
  record.hour = *hour;
  record.minute = *minute;
  std::optional<int> delay;
  std::optional<sys_seconds> written;
  for (std::size_t i = 1; i < words.size(); i += 2) {
    const std::string_view key = words[i], value = words[i + 1];
    if (key == "delay") {
      delay = SmallNumber(value, 1, kLongestSnoozeDelay);
      if (!delay) return std::nullopt;
      continue;
    }
    if (key == "days") {
      const std::optional<Weekdays> days = ReadWeekdays(value);
      if (!days) return std::nullopt;
      record.days = *days;
      continue;
    }
    if (key == "volume") {
      record.volume = ReadLevel(value);
      if (!record.volume) return std::nullopt;
      continue;
    }
    // A key this version does not know was written by a newer one: its alarm still counts.
    std::optional<sys_seconds>* const slot = key == "snooze"    ? &record.snoozeDue
                                             : key == "rang"    ? &record.rang
                                             : key == "written" ? &written
                                                                : nullptr;
    if (slot == nullptr) continue;
    *slot = ReadInstant(value);
    if (!*slot) return std::nullopt;
  }
  if (!delay || !written) return std::nullopt;
  record.snoozeDelay = *delay;
  record.written = *written;
  return record;
}

}  // namespace dawnquill
