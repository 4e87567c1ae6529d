#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>

#include <QObject>

#include "backends/pulse/sound_server.h"

struct pa_context;
struct pa_sink_info;
struct pa_sink_input_info;
struct pa_threaded_mainloop;

namespace dawnquill {

// How the sound server plays one process's streams, asked through the PulseAudio client API,
// which PipeWire serves too. It connects at the first question and stays connected until Close,
// so that the program keeps no connection while no alarm rings. It never starts a sound server.
class PulseStreams final : public QObject {
 public:
  using Answer = SoundServer::StreamAnswer;

  PulseStreams() = default;
  ~PulseStreams() override;
  PulseStreams(const PulseStreams&) = delete;
  PulseStreams& operator=(const PulseStreams&) = delete;

  // As SoundServer's AskStreams and CloseStreams.
  void Ask(std::uint32_t pid, Answer answer);
  void Close();

 private:
  struct Question {
    PulseStreams* owner;
    unsigned id;
    std::string pid;
    bool asked = false;
    bool found = false;    // a stream of the process's
    bool flowing = false;  // one that sounds
    std::uint32_t sink = 0;
    bool sinkMuted = false;
  };

  bool Connect();
  void Disconnect();
  void Start(Question& question);
  void Finish(Question& question, StreamSound stream);
  void Give(unsigned id, StreamSound stream, bool outputMuted);
  // The sound server's thread calls these, with the loop's lock held.
  static void StateChanged(pa_context* context, void* self);
  static void StreamRead(pa_context* context, const pa_sink_input_info* info, int last,
                         void* question);
  static void SinkRead(pa_context* context, const pa_sink_info* info, int last, void* question);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  unsigned asked_ = 0;
  std::map<unsigned, Answer> answers_;  // awaited, by question
  std::list<Question> questions_;       // on their way; the loop's lock guards them
};

}  // namespace dawnquill
