#include "backends/pulse/pulse_streams.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <utility>

#include <QTimer>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/volume.h>

#include "core/call_limit.h"
#include "core/logger.h"

namespace dawnquill {
namespace {

// A peak ten times a second: nobody watches this meter, so it need not move as smoothly as a
// volume meter's 25, and every message wakes the program while it rings.
constexpr std::uint32_t kPeaksPerSecond = 10;
// Less than half a second of peaks may be a stream that has only just begun, or a sink asleep:
// too little to call a stream quiet.
constexpr std::chrono::milliseconds kEnoughRead{500};
constexpr float kQuietPeak = 0.001F;  // about -60 dBFS

}  // namespace

PulseStreams::~PulseStreams() { Close(); }

bool PulseStreams::Connect() {
  if (context_ != nullptr) {
    pa_threaded_mainloop_lock(loop_);
    const pa_context_state_t state = pa_context_get_state(context_);
    pa_threaded_mainloop_unlock(loop_);
    if (PA_CONTEXT_IS_GOOD(state)) return true;
    Disconnect();  // the server went away since: a new connection
  }
  loop_ = pa_threaded_mainloop_new();
  if (loop_ == nullptr) return false;
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "DawnQuill");
  if (context_ == nullptr) {
    Disconnect();
    return false;
  }
  pa_context_set_state_callback(context_, &PulseStreams::StateChanged, this);
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop_) < 0) {
    logger::Write({"No sound server answers: the player is heard through its own word alone"});
    Disconnect();
    return false;
  }
  return true;
}

void PulseStreams::Close() {
  Disconnect();
  answers_.clear();
}

// Questions on their way are dropped; their bound still answers them.
void PulseStreams::Disconnect() {
  if (loop_ != nullptr) pa_threaded_mainloop_stop(loop_);
  CloseMeter();
  if (context_ != nullptr) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  if (loop_ != nullptr) {
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
  }
  questions_.clear();
}

void PulseStreams::Ask(std::uint32_t pid, Answer answer) {
  const unsigned id = ++asked_;
  answers_.emplace(id, std::move(answer));
  QTimer::singleShot(kCallLimit, this, [this, id] { Give(id, StreamSound::Unknown, false); });
  if (!Connect()) return;
  pa_threaded_mainloop_lock(loop_);
  Question& question =
      questions_.emplace_back(Question{.owner = this, .id = id, .pid = std::to_string(pid)});
  if (pa_context_get_state(context_) == PA_CONTEXT_READY) Start(question);
  pa_threaded_mainloop_unlock(loop_);
}

void PulseStreams::Give(unsigned id, StreamSound stream, bool outputMuted) {
  const auto found = answers_.find(id);
  if (found == answers_.end()) return;  // answered already, by the bound or the server
  const Answer answer = std::move(found->second);
  answers_.erase(found);
  answer(stream, outputMuted);
}

void PulseStreams::Start(Question& question) {
  question.asked = true;
  pa_operation* reading =
      pa_context_get_sink_input_info_list(context_, &PulseStreams::StreamRead, &question);
  if (reading == nullptr) return Finish(question, StreamSound::Unknown);
  pa_operation_unref(reading);
}

void PulseStreams::Finish(Question& question, StreamSound stream) {
  const bool muted = question.sinkMuted;
  const unsigned id = question.id;
  QMetaObject::invokeMethod(
      this, [this, id, stream, muted] { Give(id, stream, muted); }, Qt::QueuedConnection);
  questions_.remove_if([&question](const Question& q) { return &q == &question; });
}

void PulseStreams::StateChanged(pa_context* context, void* self) {
  auto& streams = *static_cast<PulseStreams*>(self);
  const pa_context_state_t state = pa_context_get_state(context);
  if (state == PA_CONTEXT_READY) {
    for (Question& question : streams.questions_) {
      if (!question.asked) streams.Start(question);
    }
  } else if (!PA_CONTEXT_IS_GOOD(state)) {
    while (!streams.questions_.empty()) {
      streams.Finish(streams.questions_.front(), StreamSound::Unknown);
    }
  }
}

// A stream sounds when it is not paused (corked), not muted and above volume 0. A process with
// streams of which none sounds is silent.
void PulseStreams::StreamRead(pa_context* context, const pa_sink_input_info* info, int last,
                              void* question) {
  auto& q = *static_cast<Question*>(question);
  if (last < 0) return q.owner->Finish(q, StreamSound::Unknown);
  if (last == 0) {
    const char* pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
    if (pid == nullptr || q.pid != pid) return;
    q.found = true;
    const bool audible = !info->has_volume || pa_cvolume_max(&info->volume) > PA_VOLUME_MUTED;
    if (!q.flowing && info->corked == 0 && info->mute == 0 && audible) {
      q.flowing = true;
      q.input = info->index;
      q.sink = info->sink;
    }
    return;
  }
  if (!q.flowing) {
    q.owner->CloseMeter();  // nothing flows that it could hear
    return q.owner->Finish(q, q.found ? StreamSound::Silent : StreamSound::Unknown);
  }
  pa_operation* reading =
      pa_context_get_sink_info_by_index(context, q.sink, &PulseStreams::SinkRead, &q);
  if (reading == nullptr) return q.owner->Finish(q, StreamSound::Flowing);
  pa_operation_unref(reading);
}

void PulseStreams::SinkRead(pa_context* /*context*/, const pa_sink_info* info, int last,
                            void* question) {
  auto& q = *static_cast<Question*>(question);
  if (last == 0) {
    q.sinkMuted = info->mute != 0 || pa_cvolume_max(&info->volume) == PA_VOLUME_MUTED;
    if (info->monitor_source_name != nullptr) q.monitor = info->monitor_source_name;
    return;
  }
  q.owner->Finish(q, q.monitor.empty() ? StreamSound::Flowing : q.owner->Metered(q));
}

// What the meter heard since the last question, on the stream that flows now; a meter for
// another stream, or one the server ended, gives way to a new one, which has heard nothing yet.
StreamSound PulseStreams::Metered(const Question& question) {
  if (meter_.stream != nullptr && (meter_.ended || meter_.input != question.input)) CloseMeter();
  if (meter_.stream == nullptr) {
    OpenMeter(question.input, question.monitor);
    return StreamSound::Flowing;
  }
  const std::chrono::milliseconds read{meter_.peaks * 1000 / kPeaksPerSecond};
  const bool quiet = read >= kEnoughRead && meter_.highest < kQuietPeak;
  meter_.peaks = 0;
  meter_.highest = 0;
  return quiet ? StreamSound::Quiet : StreamSound::Flowing;
}

// A record stream of the one sink input's peaks, as volume meters open, which neither moves with
// the stream nor keeps the sink awake.
void PulseStreams::OpenMeter(std::uint32_t input, const std::string& monitor) {
  const pa_sample_spec sampling{
      .format = PA_SAMPLE_FLOAT32, .rate = kPeaksPerSecond, .channels = 1};
  pa_stream* stream = pa_stream_new(context_, "DawnQuill: is the player heard", &sampling, nullptr);
  if (stream == nullptr) return;
  pa_stream_set_monitor_stream(stream, input);
  pa_stream_set_read_callback(stream, &PulseStreams::MeterRead, this);
  pa_stream_set_state_callback(stream, &PulseStreams::MeterChanged, this);
  const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                              .tlength = static_cast<std::uint32_t>(-1),
                              .prebuf = static_cast<std::uint32_t>(-1),
                              .minreq = static_cast<std::uint32_t>(-1),
                              .fragsize = sizeof(float)};
  const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_PEAK_DETECT |
                                                    PA_STREAM_ADJUST_LATENCY |
                                                    PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
  if (pa_stream_connect_record(stream, monitor.c_str(), &buffer, flags) < 0) {
    pa_stream_unref(stream);
    return;
  }
  meter_ = Meter{.stream = stream, .input = input};
}

void PulseStreams::CloseMeter() {
  if (meter_.stream == nullptr) return;
  pa_stream_set_read_callback(meter_.stream, nullptr, nullptr);
  pa_stream_set_state_callback(meter_.stream, nullptr, nullptr);
  pa_stream_disconnect(meter_.stream);
  pa_stream_unref(meter_.stream);
  meter_ = Meter{};
}

void PulseStreams::MeterRead(pa_stream* stream, std::size_t /*bytes*/, void* self) {
  Meter& meter = static_cast<PulseStreams*>(self)->meter_;
  const void* data = nullptr;
  std::size_t length = 0;
  while (pa_stream_peek(stream, &data, &length) == 0 && length > 0) {
    if (data != nullptr) {  // else a hole, which holds no peaks
      const auto* peaks = static_cast<const float*>(data);
      const std::size_t count = length / sizeof(float);
      for (std::size_t i = 0; i < count; ++i) {
        meter.highest = std::max(meter.highest, std::fabs(peaks[i]));
      }
      meter.peaks += count;
    }
    pa_stream_drop(stream);
  }
}

void PulseStreams::MeterChanged(pa_stream* stream, void* self) {
  if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) {
    static_cast<PulseStreams*>(self)->meter_.ended = true;
  }
}

}  // namespace dawnquill
