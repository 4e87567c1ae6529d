#include "core/alarm_wake.h"

#include <cstdio>
#include <string>

#include "core/logger.h"

namespace dawnquill {

// The tip says why the computer stays awake, so the desktop's power menu can tell the user.
void AlarmWake::Hold(const Alarm& alarm) {
  if (alarm.State() == AlarmState::Off) return inhibitor_.Release();
  inhibitor_.Hold(alarm.Status(), alarm.State() == AlarmState::Ringing
                                      ? SleepInhibitor::Awake::ComputerAndScreen
                                      : SleepInhibitor::Awake::Computer);
}

void AlarmWake::Schedule(const Alarm& alarm) {
  const std::optional<std::chrono::sys_seconds> due = alarm.NextRing();
  if (!due) {
    timer_.Cancel();
  } else {
    timer_.WakeAt(*due);
    if (due != set_) {
      const WallTime t = clock_.LocalAt(*due);
      char text[32];
      std::snprintf(text, sizeof text, "%04d-%02d-%02d %d:%02d", t.year, t.month, t.day, t.hour,
                    t.minute);
      logger::Write({"Wake-up asked for ", text});
    }
  }
  set_ = due;
}

void AlarmWake::RenewIfSpent(const Alarm& alarm) {
  if (alarm.State() != AlarmState::Armed && alarm.State() != AlarmState::Snoozing) return;
  if (!set_ || *set_ <= alarm.LastTick()) Schedule(alarm);
}

}  // namespace dawnquill
