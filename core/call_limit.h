#pragma once

#include <chrono>

namespace dawnquill {

// The longest the program waits for another program to answer one call: the player, a desktop
// service, a copy of itself. A program that hangs must not hold the alarm.
inline constexpr std::chrono::milliseconds kCallLimit{1000};
inline constexpr int kCallLimitMs = static_cast<int>(kCallLimit.count());

}  // namespace dawnquill
