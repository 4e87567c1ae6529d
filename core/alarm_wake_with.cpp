#include "core/alarm.h"
#include "core/wake_with.h"

// What plays at the ring, where the user chose it: handed to the player, which is then told to
// play, and proved by what the player says it plays a little later. A player that does not take
// it plays what it has, as it would have without the choice.
namespace dawnquill {

using logger::Level;

namespace {

// Long enough for a player to load a local file, short enough that a silent morning is short.
constexpr std::chrono::milliseconds kProofDelay{2000};

}  // namespace

void Alarm::PlayChosen() {
  if (options_.wakeWith.empty()) return Do(effect::Play{});
  const Track track = TrackFor(options_.wakeWith);
  std::optional<ListEntry> again;
  if (entry_ && entry_->first == track.uri) again = entry_->second;
  opens_ = true;
  Do(effect::Open{.uri = track.uri, .path = track.path, .again = again, .attempt = ++opening_});
}

void Alarm::On(const event::Done<effect::Open, std::optional<ListEntry>>& done) {
  if (state_ != AlarmState::Ringing || done.effect.attempt != opening_ || !opens_) return;
  opens_ = false;
  if (!done.result) {
    Log(Level::Warning, {"The player was not given ", options_.wakeWith, ": ", done.result.Reason(),
                         "; it plays what it has"});
    return Do(effect::Play{});
  }
  if (*done.result) entry_.emplace(done.effect.uri, **done.result);
  Log(Level::Info, {"The player took ", options_.wakeWith});
  Do(effect::Play{});
  Do(effect::ProveTrack{.after = kProofDelay, .attempt = opening_});
}

// The list's place counts where the player keeps one and names no URL.
void Alarm::On(const event::Done<effect::ProveTrack, PlayingNow>& done) {
  if (state_ != AlarmState::Ringing || done.effect.attempt != opening_) return;
  const Track track = TrackFor(options_.wakeWith);
  const bool inPlace = done.result && done.result->position && entry_ &&
                       entry_->first == track.uri && *done.result->position == entry_->second.index;
  if (done.result && (IsChosenTrack(track, done.result->url) || inPlace)) {
    return Log(Level::Info, {"The player plays ", options_.wakeWith});
  }
  const std::string what = !done.result               ? done.result.Reason()
                           : done.result->url.empty() ? std::string("it names no track")
                                                      : "it plays " + done.result->url;
  Log(Level::Warning, {"The player does not play ", options_.wakeWith, " two seconds on (", what,
                       "): it is told to play what it has"});
  fallingBack_ = true;
  Do(effect::Play{});
}

bool Alarm::FellBack(const event::Done<effect::Play>& done) {
  if (!std::exchange(fallingBack_, false)) return false;
  if (done.result) {
    Log(Level::Info, {"The player was told to play what it has"});
  } else {
    Log(Level::Warning,
        {"The player could not be told to play what it has: ", done.result.Reason()});
  }
  return true;
}

}  // namespace dawnquill
