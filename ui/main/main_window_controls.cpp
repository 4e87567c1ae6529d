#include "ui/main/main_window_controls.h"

#include "ui/main/main_window_layout.h"

namespace dawnquill {
namespace {

MainControl ControlOf(AlarmControls::Input input) {
  switch (input) {
    case AlarmControls::Input::Hour:
      return MainControl::HourBox;
    case AlarmControls::Input::Minute:
      return MainControl::MinuteBox;
    case AlarmControls::Input::SnoozeDelay:
      break;
  }
  return MainControl::DelayBox;
}

}  // namespace

std::string MainWindowControls::Text(Input input) const { return view_.Text(ControlOf(input)); }

void MainWindowControls::SetText(Input input, std::string_view text) {
  view_.SetText(ControlOf(input), text);
}

void MainWindowControls::SetInputsEnabled(bool enabled) {
  for (const auto input : {Input::Hour, Input::Minute, Input::SnoozeDelay}) {
    view_.SetEnabled(ControlOf(input), enabled);
  }
}

void MainWindowControls::SetToggleCaption(std::string_view caption) {
  view_.SetText(MainControl::ToggleButton, caption);
}

void MainWindowControls::SetStatus(std::string_view status) {
  view_.SetText(MainControl::StatusLabel, status);
}

}  // namespace dawnquill
