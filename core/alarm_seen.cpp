#include "core/alarm_seen.h"

#include "core/alarm_words.h"

namespace dawnquill {

using Input = AlarmControls::Input;

ArmingTexts AlarmSeen::Typed() const {
  return {.hour = controls_.Text(Input::Hour),
          .minute = controls_.Text(Input::Minute),
          .snoozeDelay = controls_.Text(Input::SnoozeDelay)};
}

void AlarmSeen::Rewrite(const std::array<std::optional<std::string>, 3>& texts) {
  for (const Input input : {Input::Hour, Input::Minute, Input::SnoozeDelay}) {
    if (const auto& text = texts[static_cast<int>(input)]) controls_.SetText(input, *text);
  }
}

void AlarmSeen::Warn(std::string_view text, std::string_view title) {
  boxes_.Show(text, title, BoxKind::Warning, BoxButtons::Ok);
}

void AlarmSeen::FollowInputs(const Alarm& alarm) {
  const bool off = alarm.State() == AlarmState::Off;
  controls_.SetToggleCaption(off ? kTurnOnCaption : kTurnOffCaption);
  controls_.SetInputsEnabled(off);
}

void AlarmSeen::Show(const Alarm& alarm) {
  const std::string status = alarm.Status();
  controls_.SetStatus(status);
  tray_.Publish(status, alarm.Picture());
}

}  // namespace dawnquill
