#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <QObject>

#include "interfaces/alarm_sound.h"

struct ca_context;
struct ca_proplist;

namespace dawnquill {

// The sound theme's alarm sound through libcanberra, played again each time it ends; a tone the
// program carries where the theme has none. It plays in the "alarm" role, not "event": desktops
// let users silence event sounds, and an alarm must not fall under that switch. The connection to
// the sound server lasts only while it sounds.
class CanberraAlarmSound final : public QObject, public AlarmSound {
 public:
  // `carriedTone`: the file played where the theme lacks the alarm sound.
  explicit CanberraAlarmSound(std::string carriedTone) : tone_(std::move(carriedTone)) {}
  ~CanberraAlarmSound() override;
  CanberraAlarmSound(const CanberraAlarmSound&) = delete;
  CanberraAlarmSound& operator=(const CanberraAlarmSound&) = delete;

  void Start(Reported reported) override;
  void Stop() override;

 private:
  // Negative, and reported, when it cannot play.
  int PlayOnce();
  int WithFallback(const std::function<int(ca_proplist*)>& call);
  // libcanberra's thread calls this; the next play is left to the event loop.
  static void Played(ca_context* context, std::uint32_t play, int result, void* self);

  std::string tone_;
  Reported reported_;
  ca_context* context_ = nullptr;
  std::uint32_t play_ = 0;  // the play under way; a finish of any other is stale
  bool themeLacksIt_ = false;
};

}  // namespace dawnquill
