#include "core/alarm.h"
#include "core/wake_with.h"

// What plays at the ring, where the user chose it: handed to the player, looked for in its hands
// a little later, and only then played, so that the player plays it from its start and says so.
// A player that does not take it plays what it has, as it would have without the choice.
namespace dawnquill {

using logger::Level;

namespace {

// Long enough for a player to load a local file, short enough for a morning's silence.
constexpr std::chrono::milliseconds kProofDelay{2000};

}  // namespace

void Alarm::PlayChosen() {
  if (options_.wakeWith.empty()) return Do(effect::Play{});
  const Track track = TrackFor(options_.wakeWith);
  std::optional<ListEntry> again;
  if (entry_ && entry_->first == track.uri) again = entry_->second;
  handing_ = Handing::Opening;
  Do(effect::Open{.uri = track.uri, .path = track.path, .again = again, .attempt = ++opening_});
}

void Alarm::On(const event::Done<effect::Open, std::optional<ListEntry>>& done) {
  if (state_ != AlarmState::Ringing || done.effect.attempt != opening_ ||
      handing_ != Handing::Opening) {
    return;
  }
  if (!done.result) {
    handing_ = Handing::None;
    Log(Level::Warning, {"The player was not given ", options_.wakeWith, ": ", done.result.Reason(),
                         "; it plays what it has"});
    return Do(effect::Play{});
  }
  handing_ = Handing::Proving;
  if (*done.result) entry_.emplace(done.effect.uri, **done.result);
  Log(Level::Info, {"The player took ", options_.wakeWith});
  Do(effect::ProveTrack{.after = kProofDelay, .attempt = opening_});
}

// The list's place counts where the player keeps one and names no URL.
void Alarm::On(const event::Done<effect::ProveTrack, PlayingNow>& done) {
  if (state_ != AlarmState::Ringing || done.effect.attempt != opening_ ||
      handing_ != Handing::Proving) {
    return;
  }
  handing_ = Handing::None;
  const Track track = TrackFor(options_.wakeWith);
  const bool inPlace = done.result && done.result->position && entry_ &&
                       entry_->first == track.uri && *done.result->position == entry_->second.index;
  if (done.result && (IsChosenTrack(track, done.result->url) || inPlace)) {
    Log(Level::Info, {"The player holds ", options_.wakeWith});
  } else {
    std::string what = "it names no track";
    if (!done.result) {
      what = done.result.Reason();
    } else if (!done.result->url.empty()) {
      what = "it holds " + done.result->url;
    } else if (done.result->position) {
      what = "its list is at entry " + std::to_string(*done.result->position);
    }
    Log(Level::Warning, {"The player does not hold ", options_.wakeWith, " two seconds on (", what,
                         "): it plays what it has"});
  }
  Do(effect::Play{});
}

}  // namespace dawnquill
