#include "ui/options/options_window.h"

#include "core/wake_with.h"
#include "ui/options/options_window_layout.h"

namespace dawnquill {
namespace {

ControlId DayBox(int day) {
  return static_cast<OptionsControl>(static_cast<int>(OptionsControl::Monday) + day);
}

}  // namespace

void OptionsWindowForm::Open(const AlarmOptions& options) {
  Form::Open();
  for (int day = 0; day < kDaysPerWeek; ++day) view_.SetChecked(DayBox(day), options.days.Has(day));
  view_.SetText(OptionsControl::GentleBox, std::to_string(options.gentleStartSeconds));
  view_.SetText(OptionsControl::WakeWithBox, options.wakeWith);
  view_.ShowModal();
}

void OptionsWindowForm::Click(ControlId control) {
  if (control == OptionsControl::OkButton) {
    event::OptionsChosen chosen{.days = {},
                                .gentleStartSeconds = view_.Text(OptionsControl::GentleBox),
                                .wakeWith = view_.Text(OptionsControl::WakeWithBox)};
    for (int day = 0; day < kDaysPerWeek; ++day) chosen.days.Set(day, view_.Checked(DayBox(day)));
    const std::string path = TrackFor(chosen.wakeWith).path;
    chosen.wakeWithGone = !path.empty() && !files_.IsThere(path);
    driver_->ChooseOptions(std::move(chosen));
  } else if (control == OptionsControl::CancelButton) {
    CloseNow();
  } else if (control == OptionsControl::BrowseButton) {
    files_.Choose(view_.Text(OptionsControl::WakeWithBox), [this](const std::string& path) {
      if (IsOpen()) view_.SetText(OptionsControl::WakeWithBox, path);
    });
  }
}

}  // namespace dawnquill
