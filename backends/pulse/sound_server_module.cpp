// The sound-server module: the stream watch and the alarm's own sound behind the one entry the
// program looks up once it loaded the module.
#include <string>

#include "backends/pulse/canberra_alarm_sound.h"
#include "backends/pulse/pulse_streams.h"
#include "backends/pulse/sound_server.h"
#include "core/logger.h"

namespace dawnquill {
namespace {

class PulseSoundServer final : public SoundServer {
 public:
  explicit PulseSoundServer(std::string carriedTone) : sound_(std::move(carriedTone)) {}

  void AskStreams(std::uint32_t pid, StreamAnswer answer) override {
    streams_.Ask(pid, std::move(answer));
  }
  void CloseStreams() override { streams_.Close(); }
  void StartAlarmSound(AlarmSound::Reported reported) override {
    sound_.Start(std::move(reported));
  }
  void StopAlarmSound() override { sound_.Stop(); }

 private:
  PulseStreams streams_;
  CanberraAlarmSound sound_;
};

}  // namespace
}  // namespace dawnquill

// The module has a logger of its own; its lines go where the program's go.
extern "C" __attribute__((visibility("default"))) dawnquill::SoundServer*
dawnquill_make_sound_server(const char* carriedTone, dawnquill::LogSink* log) {
  dawnquill::logger::SetSink(log);
  return new dawnquill::PulseSoundServer(carriedTone);
}
