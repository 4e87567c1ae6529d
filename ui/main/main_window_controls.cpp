#include "ui/main/main_window_controls.h"

#include "ui/main/main_window_layout.h"

namespace dawnquill {
namespace mw = main_window;

namespace {

std::string_view ControlOf(AlarmControls::Input input) {
  switch (input) {
    case AlarmControls::Input::Hour:
      return mw::cmbHour;
    case AlarmControls::Input::Minute:
      return mw::cmbMin;
    case AlarmControls::Input::SnoozeDelay:
      break;
  }
  return mw::txtSnoozeDelay;
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
  view_.SetText(mw::cmdToggleAlarm, caption);
}

void MainWindowControls::SetStatus(std::string_view status) {
  view_.SetText(mw::lblStatus, status);
}

}  // namespace dawnquill
