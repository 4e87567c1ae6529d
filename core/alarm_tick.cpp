#include "core/alarm_tick.h"

namespace dawnquill {

void AlarmTick::TimerAlarm_Timer() {
  parts_.alarm.SetNow(parts_.clock.Now());
  parts_.tray.Refresh();
  if (!parts_.player.Running() && !WaitForPlayer()) return;
  // Compares the time read above, even when the wait took minutes.
  if (parts_.alarm.RingIsDue()) parts_.alarm.RingAlarm();
}

bool AlarmTick::WaitForPlayer() {
  TickWindow& window = parts_.mainWindow;
  window.SetTickTimerEnabled(false);
  while (!parts_.player.Running()) {
    const BoxAnswer answer = parts_.messageBoxes.Show(
        kPlayerPrompt, kPlayerTitle, BoxKind::Information, BoxButtons::RetryCancel);
    // The tray's Exit can end the program while the prompt is open.
    if (window.Unloaded()) return false;
    if (answer == BoxAnswer::Cancel) {
      // Off first, or the main window would only hide.
      parts_.alarm.GiveUp();
      window.Unload();
      return false;
    }
    parts_.events.DoEvents();
    if (window.Unloaded()) return false;
  }
  window.SetTickTimerEnabled(true);
  return true;
}

}  // namespace dawnquill
