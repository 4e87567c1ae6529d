#include "backends/pulse/canberra_alarm_sound.h"

#include <canberra.h>

#include "core/alarm_words.h"
#include "core/logger.h"

namespace dawnquill {

CanberraAlarmSound::~CanberraAlarmSound() { Stop(); }

void CanberraAlarmSound::Start(Reported reported) {
  if (context_ != nullptr) return;
  reported_ = std::move(reported);
  if (const int failed = ca_context_create(&context_); failed < 0) {
    context_ = nullptr;
    return reported_(Failure{ca_strerror(failed)});
  }
  ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "DawnQuill", nullptr);
  // Decoded and sent to the server's sample cache once, where it stays until the server ends, so
  // that each play after it costs this process a message, not a decoded stream. A server without
  // a cache gets the stream instead.
  WithFallback(
      [this](ca_proplist* properties) { return ca_context_cache_full(context_, properties); });
  if (PlayOnce() >= 0) reported_({});
}

// Destroying the context cancels the play under way and ends libcanberra's thread, so no finish
// is reported after it.
void CanberraAlarmSound::Stop() {
  if (context_ == nullptr) return;
  ca_context_destroy(context_);
  context_ = nullptr;
}

int CanberraAlarmSound::PlayOnce() {
  const int result = WithFallback([this](ca_proplist* properties) {
    return ca_context_play_full(context_, ++play_, properties, &Played, this);
  });
  if (result < 0) reported_(Failure{ca_strerror(result)});
  return result;
}

// The sound theme's alarm sound; where the theme has none, the carried tone, from then on.
int CanberraAlarmSound::WithFallback(const std::function<int(ca_proplist*)>& call) {
  const auto attempt = [&]() -> int {
    ca_proplist* properties = nullptr;
    if (ca_proplist_create(&properties) < 0) return CA_ERROR_OOM;
    ca_proplist_sets(properties, CA_PROP_MEDIA_ROLE, "alarm");
    ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, kRingingStatus.data());
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
  logger::Write({"The sound theme has no alarm sound: DawnQuill plays its own tone"});
  return attempt();
}

void CanberraAlarmSound::Played(ca_context* /*context*/, std::uint32_t play, int result,
                                void* self) {
  auto* sound = static_cast<CanberraAlarmSound*>(self);
  QMetaObject::invokeMethod(
      sound,
      [sound, play, result] {
        if (sound->context_ == nullptr || play != sound->play_) return;
        if (result == CA_SUCCESS) {
          sound->PlayOnce();
          return;
        }
        if (result != CA_ERROR_CANCELED) sound->reported_(Failure{ca_strerror(result)});
      },
      Qt::QueuedConnection);
}

}  // namespace dawnquill
