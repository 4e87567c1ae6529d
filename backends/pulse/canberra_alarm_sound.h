#pragma once

#include <memory>
#include <string>

#include <QObject>

#include "backends/pulse/job_thread.h"
#include "interfaces/alarm_sound.h"

namespace dawnquill {

// The sound theme's alarm sound through libcanberra, played again each time it ends; a tone the
// program carries where the theme has none. It plays in the "alarm" role, not "event": desktops
// let users silence event sounds, and an alarm must not fall under that switch. The connection to
// the sound server lasts only while it sounds.
//
// Every libcanberra call waits on the sound server, and a server that hangs holds it for 30 s:
// they all run on a thread of the sound's own, and what became of the sound comes back through
// the event loop.
class CanberraAlarmSound final : public QObject, public AlarmSound {
 public:
  // `carriedTone`: the file played where the theme lacks the alarm sound.
  explicit CanberraAlarmSound(std::string carriedTone);
  ~CanberraAlarmSound() override;
  CanberraAlarmSound(const CanberraAlarmSound&) = delete;
  CanberraAlarmSound& operator=(const CanberraAlarmSound&) = delete;

  void Start(Reported reported) override;
  void Stop() override;

 private:
  class Player;
  void Report(unsigned start, const Result<>& result);

  Reported reported_;
  unsigned started_ = 0;  // the Start whose reports count
  bool sounding_ = false;
  JobThread thread_{std::chrono::seconds(1)};
  std::shared_ptr<Player> player_;  // the thread's: only its jobs touch it
};

}  // namespace dawnquill
