#include "core/alarm_tick.h"

#include "core/logger.h"

namespace dawnquill {

void AlarmTick::Tick() {
  if (waitingForPlayer_) return;
  parts_.alarm.SetNow(parts_.clock.Now(), parts_.clock.Utc());
  parts_.tray.Refresh();
  const bool playerRuns = parts_.player.Running();
  parts_.hearing.Check(playerRuns);
  if (!playerRuns) {
    if (!WaitForPlayer()) return;
    parts_.hearing.Check(true);
    parts_.alarm.SetSnoozeOrigin(parts_.clock.Utc());
  }
  // Compares the time read above, even when the wait took minutes.
  if (parts_.alarm.RingIsDue()) return parts_.alarm.Ring();
  parts_.alarm.RenewSpentWake();
}

void AlarmTick::Woken() {
  parts_.alarm.WakeSpent();
  Tick();
}

bool AlarmTick::WaitForPlayer() {
  TickWindow& window = parts_.mainWindow;
  window.SetTickTimerEnabled(false);
  waitingForPlayer_ = true;
  struct Done {
    bool& waiting;
    ~Done() { waiting = false; }
  } done{waitingForPlayer_};
  const MissingPlayerPrompt prompt = parts_.player.Missing();
  logger::Write({"No media player runs: asking for one"});
  while (!parts_.player.Running()) {
    const BoxAnswer answer = parts_.messageBoxes.Show(
        prompt.text, prompt.title, BoxKind::Information, BoxButtons::RetryCancel);
    // The tray's Exit can end the program while the prompt is open.
    if (window.Closed()) return false;
    if (answer == BoxAnswer::Cancel) {
      // Off first, or the main window would only hide.
      parts_.alarm.GiveUp();
      window.Close();
      return false;
    }
    parts_.events.RunPending();
    if (window.Closed()) return false;
  }
  logger::Write({"A media player runs again"});
  window.SetTickTimerEnabled(true);
  return true;
}

}  // namespace dawnquill
