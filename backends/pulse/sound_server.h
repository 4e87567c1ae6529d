#pragma once

#include <cstdint>
#include <functional>

#include "interfaces/alarm_sound.h"
#include "interfaces/log_sink.h"
#include "interfaces/player_listener.h"

namespace dawnquill {

// What the program asks of the sound server during a ring: how a process's streams sound, and
// the alarm's own sound. It lives in a module of its own, loaded at the first ring, so that the
// sound server's libraries cost a program that only waits nothing.
class SoundServer {
 public:
  // `outputMuted`: the device of the process's sounding stream is muted or at 0.
  using StreamAnswer = std::function<void(StreamSound stream, bool outputMuted)>;

  virtual ~SoundServer() = default;

  // `answer` runs from the event loop within the call bound: Unknown where the process has no
  // stream or no server answers; Quiet where the stream that flows has carried no sound since
  // the last question, half a second of it at least. The stream stays metered until CloseStreams.
  virtual void AskStreams(std::uint32_t pid, StreamAnswer answer) = 0;
  // Disconnects, and drops the answers still due.
  virtual void CloseStreams() = 0;
  // As AlarmSound's Start and Stop; neither waits on the sound server.
  virtual void StartAlarmSound(AlarmSound::Reported reported) = 0;
  virtual void StopAlarmSound() = 0;
};

// The module's one entry: a sound server that plays `carriedTone` where the sound theme has no
// alarm sound, and writes its lines to `log`.
using MakeSoundServer = SoundServer* (*)(const char* carriedTone, LogSink* log);
inline constexpr const char* kMakeSoundServer = "dawnquill_make_sound_server";

}  // namespace dawnquill
