#include "ui/alarm/frm_alarm.h"

#include "core/number_rules.h"
#include "ui/alarm/frm_alarm_layout.h"

namespace dawnquill {

std::string ClockText(const TimeOfDay& time) {
  return numbers::TwoDigits(time.hour) + ":" + numbers::TwoDigits(time.minute) + ":" +
         numbers::TwoDigits(time.second);
}

void FrmAlarm::ShowModal() {
  LoadForm();
  view_.ShowModal();
}

void FrmAlarm::Click(std::string_view control) {
  if (control == frm_alarm::cmdSnooze) {
    cmdSnooze_Click();
  } else if (control == frm_alarm::cmdAlarmOff) {
    cmdAlarmOff_Click();
  }
}

// Any key that writes a character snoozes, so a half-awake user can hit anything. Tab writes one
// too but must keep moving the focus.
bool FrmAlarm::KeyPress(std::string_view control, std::string_view keyText) {
  if (control != frm_alarm::cmdSnooze || keyText.empty() || keyText == "\t") return false;
  cmdSnooze_Click();
  return true;
}

void FrmAlarm::Timer(std::string_view timer) {
  if (timer == frm_alarm::TimerTijd) TimerTijd_Timer();
}

void FrmAlarm::TimerTijd_Timer() { view_.SetText(frm_alarm::lblTijd, ClockText(clock_.Now())); }

void FrmAlarm::cmdSnooze_Click() {
  global_.StartSnooze();
  Unload();
}

void FrmAlarm::cmdAlarmOff_Click() {
  global_.TurnAlarmOff();
  Unload();
}

}  // namespace dawnquill
