#pragma once

#include <memory>
#include <string>

#include <QObject>

#include "backends/pulse/sound_server.h"
#include "interfaces/alarm_sound.h"

namespace dawnquill {

// The sound server, its module loaded at the first question or sound, and kept from then on. A
// module that cannot be loaded is logged once; streams are then Unknown, and there is no own
// sound.
class LazySoundServer final : public QObject, public SoundServer, public AlarmSound {
 public:
  // `module`: the module's file where it is installed, from the executable's folder; one beside
  // the executable (the build) comes first. `carriedTone`: likewise, the tone played where the
  // sound theme has no alarm sound.
  LazySoundServer(std::string module, std::string carriedTone, LogSink& log)
      : module_(std::move(module)), tone_(std::move(carriedTone)), log_(log) {}
  ~LazySoundServer() override;
  LazySoundServer(const LazySoundServer&) = delete;
  LazySoundServer& operator=(const LazySoundServer&) = delete;

  void AskStreams(std::uint32_t pid, StreamAnswer answer) override;
  void CloseStreams() override;
  void StartAlarmSound(Reported reported) override;
  void StopAlarmSound() override;
  void Start(Reported reported) override { StartAlarmSound(std::move(reported)); }
  void Stop() override { StopAlarmSound(); }

 private:
  SoundServer* Loaded();

  std::string module_;
  std::string tone_;
  LogSink& log_;
  void* library_ = nullptr;
  std::unique_ptr<SoundServer> server_;
  bool failed_ = false;
};

}  // namespace dawnquill
