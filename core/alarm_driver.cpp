#include "core/alarm_driver.h"

#include "core/logger.h"

namespace dawnquill {

void AlarmDriver::RestoreKept() {
  if (const std::optional<AlarmRecord> kept = effects_.kept.Kept()) Carry(alarm_.Restore(*kept));
}

void AlarmDriver::Carry(const AlarmDue& due) {
  if (due.ringStops) effects_.sound.Stop();
  if (!due.note.empty()) logger::Write({due.note});
  Follow(due);
  if (due.windowCloses) effects_.seen.CloseRing();
}

void AlarmDriver::Follow(const AlarmDue& due) {
  AlarmSeen& seen = effects_.seen;
  seen.Rewrite(due.texts);
  if (!due.warning.empty()) seen.Warn(due.warning, "Error");
  if (due.inputsFollow) seen.FollowInputs(alarm_);
  if (due.shown) seen.Show(alarm_);
  if (due.held) effects_.wake.Hold(alarm_);
  if (due.kept == AlarmDue::Kept::Record) {
    const bool mayTell = !due.programEnds && alarm_.State() != AlarmState::Ringing;
    const std::string told = effects_.kept.Follow(alarm_, mayTell);
    if (!told.empty()) seen.Warn(told, "DawnQuill");
  } else if (due.kept == AlarmDue::Kept::CarriedOn) {
    effects_.kept.CarryOn();
  }
  if (due.woken) effects_.wake.Schedule(alarm_);
}

// The player and the window first: everything else may wait on a slow service (the tray's host,
// the notice's server, the power manager, the store). A ring that ended before it ran did all of
// it itself.
void AlarmDriver::Ring() {
  ringDue_ = alarm_.DueTime();
  ringFollows_ = alarm_.Ring();
  effects_.sound.Start();
  logger::Write({ringFollows_.note});
  effects_.events.Later([this, step = alarm_.Steps()] {
    if (step != alarm_.Steps()) return;
    Follow(ringFollows_);
    effects_.sound.Announce(ringDue_);
  });
  effects_.seen.HoldRing();
  effects_.sound.Ended();
}

}  // namespace dawnquill
