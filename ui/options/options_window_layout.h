#pragma once

#include "ui/control_table.h"

namespace dawnquill {

// The options window's controls; the days in the week's order, Monday first.
enum class OptionsControl {
  RepeatFrame,
  Monday,
  Tuesday,
  Wednesday,
  Thursday,
  Friday,
  Saturday,
  Sunday,
  GentleLabel,
  GentleBox,
  SecondsLabel,
  WakeWithLabel,
  WakeWithBox,
  BrowseButton,
  WakeWithHint,
  OkButton,
  CancelButton,
};
template <>
inline constexpr bool kIsControlList<OptionsControl> = true;

namespace options_window {

const FormLayout& Layout();

}  // namespace options_window
}  // namespace dawnquill
