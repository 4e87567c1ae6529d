#include "backends/pulse/canberra_alarm_sound.h"

#include <cstdint>
#include <functional>
#include <mutex>

#include <canberra.h>

#include "core/logger.h"

namespace dawnquill {

// The context and its plays, on the sound's thread alone; what the event loop must hear is posted
// to it.
class CanberraAlarmSound::Player : public std::enable_shared_from_this<Player> {
 public:
  Player(std::string tone, JobThread::Poster post, CanberraAlarmSound* sound)
      : tone_(std::move(tone)), post_(std::move(post)), sound_(sound) {}

  void Begin(unsigned start) {
    start_ = start;
    End();
    if (const int failed = ca_context_create(&context_); failed < 0) {
      context_ = nullptr;
      return Fail(failed);
    }
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "DawnQuill", nullptr);
    // Decoded and sent to the server's sample cache once, where it stays until the server ends,
    // so that each play after it costs this process a message, not a decoded stream. A server
    // without a cache gets the stream instead; any other failure would only fail again, after
    // as long a wait, at the play.
    const int cached = WithFallback(
        [this](ca_proplist* properties) { return ca_context_cache_full(context_, properties); });
    if (cached < 0 && cached != CA_ERROR_NOTSUPPORTED) return Fail(cached);
    if (const int played = PlayOnce(); played < 0) return Fail(played);
    Tell([](CanberraAlarmSound& sound, unsigned begun) { sound.Report(begun, {}); });
  }

  // Destroying the context alone leaves a cached sample playing to its end, seconds on: the play
  // is cancelled first. libcanberra sends the cancel's kill later, from its own loop, and a
  // context destroyed before that never sends it; a play of a sound that exists nowhere is asked
  // of the server's cache after the kill, so once it is answered, the kill has gone.
  void End() {
    if (context_ == nullptr) return;
    ca_context_cancel(context_, play_);
    ca_proplist* nothing = nullptr;
    if (ca_proplist_create(&nothing) == CA_SUCCESS) {
      ca_proplist_sets(nothing, CA_PROP_EVENT_ID, "dawnquill-no-such-sound");
      ca_proplist_sets(nothing, CA_PROP_CANBERRA_CACHE_CONTROL, "permanent");
      ca_context_play_full(context_, ++play_, nothing, nullptr, nullptr);
      ca_proplist_destroy(nothing);
    }
    ca_context_destroy(context_);
    context_ = nullptr;
  }

  // Any thread: the sound is going, and hears nothing more.
  void Forget() {
    const std::lock_guard lock(soundMutex_);
    sound_ = nullptr;
  }

 private:
  int PlayOnce() {
    return WithFallback([this](ca_proplist* properties) {
      return ca_context_play_full(context_, ++play_, properties, &Played, this);
    });
  }

  // The sound theme's alarm sound; where the theme has none, the carried tone, from then on.
  int WithFallback(const std::function<int(ca_proplist*)>& call) {
    const auto attempt = [&]() -> int {
      ca_proplist* properties = nullptr;
      if (ca_proplist_create(&properties) < 0) return CA_ERROR_OOM;
      ca_proplist_sets(properties, CA_PROP_MEDIA_ROLE, "alarm");
      ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, "Alarm!");
      ca_proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "permanent");
      ca_proplist_sets(properties, CA_PROP_EVENT_ID,
                       themeLacksIt_ ? "dawnquill-alarm-tone" : "alarm-clock-elapsed");
      if (themeLacksIt_) ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, tone_.c_str());
      const int result = call(properties);
      ca_proplist_destroy(properties);
      return result;
    };
    const int result = attempt();
    if (result != CA_ERROR_NOTFOUND || themeLacksIt_) return result;
    themeLacksIt_ = true;
    Tell([](CanberraAlarmSound& /*sound*/, unsigned /*begun*/) {
      logger::Write({"The sound theme has no alarm sound: DawnQuill plays its own tone"});
    });
    return attempt();
  }

  // A context whose server went away stays broken: it goes, and the next Start connects anew.
  void Fail(int error) {
    if (context_ != nullptr) ca_context_destroy(context_);
    context_ = nullptr;
    Tell([reason = std::string(ca_strerror(error))](CanberraAlarmSound& sound, unsigned begun) {
      sound.Report(begun, Failure{reason});
    });
  }

  void Tell(std::function<void(CanberraAlarmSound&, unsigned)> told) {
    const std::lock_guard lock(soundMutex_);
    if (sound_ == nullptr) return;
    QMetaObject::invokeMethod(
        sound_, [sound = sound_, start = start_, told = std::move(told)] { told(*sound, start); },
        Qt::QueuedConnection);
  }

  // libcanberra's thread calls this, and libcanberra must not be called back from it.
  static void Played(ca_context* /*context*/, std::uint32_t play, int result, void* self) {
    auto& player = *static_cast<Player*>(self);
    player.post_([weak = player.weak_from_this(), play, result] {
      if (const auto alive = weak.lock()) alive->Finished(play, result);
    });
  }

  // A play that ends plays again; one that breaks off (the server went away) fails the sound.
  void Finished(std::uint32_t play, int result) {
    if (context_ == nullptr || play != play_ || result == CA_ERROR_CANCELED) return;
    if (result == CA_SUCCESS) result = PlayOnce();
    if (result < 0) Fail(result);
  }

  std::string tone_;
  JobThread::Poster post_;
  std::mutex soundMutex_;
  CanberraAlarmSound* sound_;  // guarded by soundMutex_
  ca_context* context_ = nullptr;
  std::uint32_t play_ = 0;  // the play under way; a finish of any other is stale
  unsigned start_ = 0;
  bool themeLacksIt_ = false;
};

CanberraAlarmSound::CanberraAlarmSound(std::string carriedTone)
    : player_(std::make_shared<Player>(std::move(carriedTone), thread_.Posting(), this)) {}

CanberraAlarmSound::~CanberraAlarmSound() {
  player_->Forget();
  thread_.Post([player = player_] { player->End(); });
}

void CanberraAlarmSound::Start(Reported reported) {
  if (sounding_) return;
  sounding_ = true;
  reported_ = std::move(reported);
  thread_.Post([player = player_, start = ++started_] { player->Begin(start); });
}

void CanberraAlarmSound::Stop() {
  if (!sounding_) return;
  sounding_ = false;
  thread_.Post([player = player_] { player->End(); });
}

void CanberraAlarmSound::Report(unsigned start, const Result<>& result) {
  if (start != started_ || !sounding_) return;
  if (!result) sounding_ = false;
  const Reported reported = reported_;  // which may start the sound anew
  reported(result);
}

}  // namespace dawnquill
