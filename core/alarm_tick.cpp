#include "core/alarm_tick.h"

#include "ui/main/frm_main_layout.h"

namespace dawnquill {

void AlarmTick::TimerAlarm_Timer() {
  Global& global = parts_.global;
  const TimeOfDay now = parts_.clock.Now();
  global.NowHour = static_cast<std::int16_t>(now.hour);
  global.NowMinute = static_cast<std::int16_t>(now.minute);
  parts_.tray.Refresh();
  if (!parts_.player.WinampRunning() && !WaitForPlayer()) return;
  // Compares the time read above, even when the wait took minutes.
  if (global.RingIsDue()) global.RingAlarm();
}

bool AlarmTick::WaitForPlayer() {
  parts_.mainView.SetTimerEnabled(frm_main::TimerAlarm, false);
  while (!parts_.player.WinampRunning()) {
    const int answer = parts_.messageBoxes.MsgBox(
        kPlayerPrompt, mb::kRetryCancel + mb::kIconInformation, kPlayerTitle);
    // The tray's Exit can end the program while the prompt is open.
    if (parts_.mainWindow.Unloaded()) return false;
    if (answer == mb::kIdCancel) {
      // Off first, or the main window would only hide.
      parts_.global.AlarmState = AlarmState::Off;
      parts_.mainWindow.Unload();
      return false;
    }
    parts_.events.DoEvents();
    if (parts_.mainWindow.Unloaded()) return false;
  }
  parts_.mainView.SetTimerEnabled(frm_main::TimerAlarm, true);
  return true;
}

}  // namespace dawnquill
