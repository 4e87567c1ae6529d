#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>

#include <QObject>

#include "backends/pulse/sound_server.h"

struct pa_context;
struct pa_sink_info;
struct pa_sink_input_info;
struct pa_stream;
struct pa_threaded_mainloop;

namespace dawnquill {

// How the sound server plays one process's streams, asked through the PulseAudio client API,
// which PipeWire serves too. It connects at the first question and stays connected until Close,
// so that the program keeps no connection while no alarm rings. It never starts a sound server.
//
// A stream can flow and still be silent: a player muted in itself (mpv mutes in software) or one
// that hangs keeps it open at full volume. So the stream that flows is also metered, as a
// volume meter does, by a record stream of its peaks on the sink's monitor, open from one
// question to the next.
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
    bool found = false;       // a stream of the process's
    bool flowing = false;     // one that sounds
    std::uint32_t input = 0;  // the first that sounds
    std::uint32_t sink = 0;
    bool sinkMuted = false;
    std::string monitor{};  // the sink's monitor, where the meter records
  };
  // The peaks of the one stream metered, since the last question.
  struct Meter {
    pa_stream* stream = nullptr;
    std::uint32_t input = 0;
    bool ended = false;  // by the server: the stream moved to another sink, or went
    std::size_t peaks = 0;
    float highest = 0;
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
  StreamSound Metered(const Question& question);
  void OpenMeter(std::uint32_t input, const std::string& monitor);
  void CloseMeter();
  static void MeterRead(pa_stream* stream, std::size_t bytes, void* self);
  static void MeterChanged(pa_stream* stream, void* self);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  unsigned asked_ = 0;
  std::map<unsigned, Answer> answers_;  // awaited, by question
  std::list<Question> questions_;       // on their way; the loop's lock guards them
  Meter meter_;                         // the loop's lock guards it
};

}  // namespace dawnquill
