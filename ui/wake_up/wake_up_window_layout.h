#pragma once

#include "ui/control_table.h"

namespace dawnquill {

// The wake-up window's controls.
enum class WakeUpControl { ClockTimer, TurnOffButton, SnoozeButton, ClockLabel };
template <>
inline constexpr bool kIsControlList<WakeUpControl> = true;

namespace wake_up_window {

const FormLayout& Layout();

}  // namespace wake_up_window
}  // namespace dawnquill
