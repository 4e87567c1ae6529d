#pragma once

#include "ui/control_table.h"

namespace dawnquill {

// The main window's controls.
enum class MainControl {
  AlarmTimer,
  ToTrayButton,
  ExitButton,
  SnoozeFrame,
  DelayBox,
  MinutesLabel,
  DelayLabel,
  AlarmFrame,
  HourBox,
  MinuteBox,
  StatusLabel,
  StatusCaption,
  TimeCaption,
  ToggleButton,
  IconMenu,  // popped up by the notification icon
  ShowHideItem,
  OptionsItem,
  MenuSeparator,
  ExitItem,
};
template <>
inline constexpr bool kIsControlList<MainControl> = true;

namespace main_window {

const FormLayout& Layout();

}  // namespace main_window
}  // namespace dawnquill
