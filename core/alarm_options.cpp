#include "core/alarm_options.h"

#include <charconv>

#include "core/logger.h"

namespace dawnquill {
namespace {

using settings_keys::kGentleStartSeconds;
using settings_keys::kRepeat;
using settings_keys::kWakeWith;

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing past
// U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || i + length > text.size()) return false;
    unsigned point = length == 1 ? lead : lead & (0x7FU >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 2) return false;
      point = point << 6 | (next & 0x3FU);
    }
    constexpr unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

void Complain(std::vector<std::string>& complaints, std::string_view key, std::string_view text,
              std::string_view why) {
  complaints.push_back(logger::Joined({"The setting ", key, "=", text, " ", why}));
}

}  // namespace

AlarmOptions ReadOptions(const StoredOptions& stored, std::vector<std::string>& complaints) {
  AlarmOptions options;
  if (const std::optional<Weekdays> days = ReadWeekdays(stored.repeat)) {
    options.days = *days;
  } else {
    Complain(complaints, kRepeat, stored.repeat,
             "names a day other than Mon, Tue, Wed, Thu, Fri, Sat and Sun: the alarm rings once");
  }
  if (!stored.gentleStartSeconds.empty()) {
    const std::string& text = stored.gentleStartSeconds;
    int seconds = -1;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (failure == std::errc{} && end == text.data() + text.size() && seconds >= 0 &&
        seconds <= kLongestGentleStart) {
      options.gentleStartSeconds = seconds;
    } else {
      Complain(complaints, kGentleStartSeconds, text,
               "is not a number of seconds from 0 to 300: the music starts at its own volume");
    }
  }
  if (IsUtf8(stored.wakeWith)) {
    options.wakeWith = stored.wakeWith;
  } else {
    complaints.push_back(logger::Joined(
        {"The setting ", kWakeWith, " is not UTF-8 text: the player plays what it has"}));
  }
  return options;
}

StoredOptions StoredText(const AlarmOptions& options) {
  return {.repeat = options.days.Stored(),
          .gentleStartSeconds = std::to_string(options.gentleStartSeconds),
          .wakeWith = options.wakeWith};
}

}  // namespace dawnquill
