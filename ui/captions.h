#pragma once

#include <string_view>

#include "core/alarm_words.h"

namespace dawnquill {

inline constexpr char kWakeUpCaption[] = "Dawnquill - Wake up!";
static_assert(std::string_view(kWakeUpCaption).starts_with(kCasualName));

}  // namespace dawnquill
