#pragma once

#include <optional>
#include <string>

#include "core/alarm.h"
#include "core/alarm_record.h"
#include "interfaces/clock.h"
#include "interfaces/settings_store.h"
#include "interfaces/sign_in_start.h"

namespace dawnquill {

// What is kept of an alarm that is on, so that the next start carries it on: its record beside the
// settings, under a key of its own that only an alarm that is on has, and the start at sign-in.
class KeptAlarm {
 public:
  KeptAlarm(SettingsStore& store, SignInStart& signIn, const Clock& clock)
      : store_(store), signIn_(signIn), clock_(clock) {}

  // The record and the start at sign-in follow the alarm. A store that cannot keep it leaves the
  // alarm on for this run alone: returns what the user must hear of that, once a run, and only
  // when `mayTell` (not in the middle of a ring, which the next change follows soon enough, nor
  // as the program ends); else empty.
  std::string Follow(const Alarm& alarm, bool mayTell);
  // The record, if a sound one is kept; a broken one is cleared away. Keys that a newer version
  // wrote are passed over.
  std::optional<AlarmRecord> Kept();
  // A kept alarm carried on by this run starts with the session again, as when it was kept: the
  // entry may have gone while no program ran, and a restart after a crash is asked per process.
  void CarryOn() { signIn_.Enable(); }

 private:
  std::string Clear();

  SettingsStore& store_;
  SignInStart& signIn_;
  const Clock& clock_;
  bool told_ = false;
};

}  // namespace dawnquill
