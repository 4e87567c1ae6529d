#include "core/global.h"

#include "core/number_rules.h"
#include "ui/main/frm_main_layout.h"

namespace dawnquill {
namespace fm = frm_main;

namespace {

std::string HourMinute(int hour, int minute) {
  return std::to_string(hour) + ":" + numbers::TwoDigits(minute);
}

}  // namespace

void Global::cmdToggleAlarm_Click() {
  switch (AlarmState) {
    case AlarmState::Off:
      TurnAlarmOn();
      break;
    case AlarmState::Armed:
    case AlarmState::Snoozing:
      TurnAlarmOff();
      break;
    case AlarmState::Ringing:
      break;
  }
}

// A numeric text is first rounded to a whole number, so that 7.6 arms for 8; then the box shows
// the plain number text of what was read, 07 becoming 7.
double Global::NormaliseTimeField(std::string_view comboBox) {
  const std::string text = parts_.mainWindow.Text(comboBox);
  const double value = numbers::IsNumericText(text)
                           ? numbers::RoundHalfEven(numbers::LeadingNumber(text))
                           : numbers::LeadingNumber(text);
  parts_.mainWindow.SetText(comboBox, numbers::NumberText(value, parts_.decimalSeparator));
  return value;
}

void Global::TurnAlarmOn() {
  const double hour = NormaliseTimeField(fm::cmbUur);
  if (hour < 0 || hour > 23) return Warn("Fill in an hour between 0 and 23");
  const double minute = NormaliseTimeField(fm::cmbMin);
  if (minute < 0 || minute > 59) return Warn("Fill in a minute between 0 and 59");
  const double delay = numbers::LeadingNumber(parts_.mainWindow.Text(fm::txtSnoozeDelay));
  parts_.mainWindow.SetText(fm::txtSnoozeDelay,
                            numbers::NumberText(delay, parts_.decimalSeparator));
  if (delay < 1 || delay > 99) return Warn("Fill in a snooze delay between 1 and 99 minutes");

  // All three are in range, so their whole values fit.
  AlarmState = AlarmState::Armed;
  AlarmHour = *numbers::WholeValue(hour);
  AlarmMinute = *numbers::WholeValue(minute);
  SnoozeDelay = *numbers::WholeValue(delay);
  parts_.mainWindow.SetText(fm::cmdToggleAlarm, "Turn alarm off");
  SetInputsEnabled(false);
  ShowState("Alarm is on - Time: " + HourMinute(AlarmHour, AlarmMinute), TrayIcon::kPictureArmed);
}

void Global::TurnAlarmOff() {
  if (AlarmState == AlarmState::Ringing) parts_.player.StopPlayback();
  AlarmState = AlarmState::Off;
  parts_.mainWindow.SetText(fm::cmdToggleAlarm, "Turn alarm on");
  SetInputsEnabled(true);
  ShowState("Alarm is off", TrayIcon::kPictureOff);
  parts_.wakeUpWindow.Unload();
}

void Global::StartSnooze() {
  if (AlarmState == AlarmState::Ringing) parts_.player.StopPlayback();
  // From the last tick's time, not a fresh reading: that is the minute the user snoozed in.
  int minute = NowMinute + SnoozeDelay;
  int hour = NowHour;
  AlarmState = AlarmState::Snoozing;
  hour += minute / 60;
  minute %= 60;
  hour %= 24;
  SnoozeHour = static_cast<std::int16_t>(hour);
  SnoozeMinute = static_cast<std::int16_t>(minute);
  ShowState("Snooze is on - Time: " + HourMinute(SnoozeHour, SnoozeMinute),
            TrayIcon::kPictureArmed);
}

void Global::RingAlarm() {
  parts_.player.Play();
  AlarmState = AlarmState::Ringing;
  ShowState("Alarm!", TrayIcon::kPictureRinging);
  parts_.wakeUpWindow.ShowModal();
}

bool Global::RingIsDue() const {
  switch (AlarmState) {
    case AlarmState::Armed:
      return NowHour == AlarmHour && NowMinute == AlarmMinute;
    case AlarmState::Snoozing:
      return NowHour == SnoozeHour && NowMinute == SnoozeMinute;
    default:
      return false;
  }
}

void Global::SetInputsEnabled(bool enabled) {
  parts_.mainWindow.SetEnabled(fm::cmbUur, enabled);
  parts_.mainWindow.SetEnabled(fm::cmbMin, enabled);
  parts_.mainWindow.SetEnabled(fm::txtSnoozeDelay, enabled);
}

void Global::Warn(std::string_view message) {
  parts_.messageBoxes.MsgBox(message, mb::kOk + mb::kIconWarning, "Error");
}

void Global::ShowState(const std::string& text, int picture) {
  parts_.mainWindow.SetText(fm::lblStatus, text);
  parts_.tray.Publish(text, picture);
}

}  // namespace dawnquill
