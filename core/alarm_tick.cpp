#include "core/alarm_tick.h"

#include "core/logger.h"

namespace dawnquill {

void AlarmTick::Tick() {
  if (waitingForPlayer_) return;
  with_.driver.SetNow(with_.clock.Now(), with_.clock.Utc());
  with_.tray.Refresh();
  const bool playerRuns = with_.player.Running();
  with_.hearing.Check(playerRuns);
  if (!playerRuns) {
    if (!WaitForPlayer()) return;
    with_.hearing.Check(true);
    with_.alarm.SetSnoozeOrigin(with_.clock.Utc());
  }
  // Compares the time read above, even when the wait took minutes.
  if (with_.alarm.RingIsDue()) return with_.driver.Ring();
  with_.driver.RenewSpentWake();
}

void AlarmTick::Woken() {
  with_.driver.WakeSpent();
  Tick();
}

bool AlarmTick::WaitForPlayer() {
  TickWindow& window = *window_;
  window.SetTickTimerEnabled(false);
  waitingForPlayer_ = true;
  struct Done {
    bool& waiting;
    ~Done() { waiting = false; }
  } done{waitingForPlayer_};
  const MissingPlayerPrompt prompt = with_.player.Missing();
  logger::Write({"No media player runs: asking for one"});
  while (!with_.player.Running()) {
    const BoxAnswer answer = with_.messageBoxes.Show(prompt.text, prompt.title,
                                                     BoxKind::Information, BoxButtons::RetryCancel);
    // The tray's Exit can end the program while the prompt is open.
    if (window.Closed()) return false;
    if (answer == BoxAnswer::Cancel) {
      // Off first, or the main window would only hide.
      with_.driver.GiveUp();
      window.Close();
      return false;
    }
    with_.events.RunPending();
    if (window.Closed()) return false;
  }
  logger::Write({"A media player runs again"});
  window.SetTickTimerEnabled(true);
  return true;
}

}  // namespace dawnquill
