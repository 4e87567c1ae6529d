#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <variant>

#include "core/alarm_effects.h"
#include "core/weekdays.h"
#include "interfaces/clock.h"
#include "interfaces/form_view.h"
#include "interfaces/message_box.h"
#include "interfaces/player_listener.h"
#include "interfaces/player_volume.h"
#include "interfaces/result.h"
#include "interfaces/settings_store.h"
#include "interfaces/wake_timer.h"

namespace dawnquill {

// What the user typed into the hour, minute and snooze delay boxes.
struct ArmingTexts {
  std::string hour, minute, snoozeDelay;
};

// How the program starts: with its window, or in the notification area alone, as at a sign-in.
enum class StartShown { Window, InTray };

}  // namespace dawnquill

// What happens to the alarm: the user's doings, the tick, and what the desktop answers. Each
// carries what was read with it.
namespace dawnquill::event {

// The program starts, with what the store holds.
struct Start {
  Settings stored;
  StoredOptions options;
  std::string kept;  // the kept alarm's line; empty for none
  StartShown shown = StartShown::Window;
};
// The five-second tick, or a wake-up: the time read, and whether a player runs.
struct Tick {
  WallTime now;
  std::chrono::sys_seconds utc;
  bool playerRuns = false;
};
struct Woken {};     // the computer woke for the wake-up asked for last, which is spent
struct WakeLost {};  // a suspend, a resume or the clock set: the wake-up may be stale
struct Toggle {
  ArmingTexts typed;
};
struct Snooze {};   // from the ring's window, a key in it, or the desktop's notice
struct TurnOff {};  // likewise
struct Exit {       // the button or the icon's menu: off, and the end of the program
  ArmingTexts typed;
};
struct CloseAsked {  // a close of the main window
  CloseReason reason = CloseReason::User;
  ArmingTexts typed;
};
struct SessionEndAsked {};  // before a log-off or shut-down: may it go ahead?
// The program is told to end by the one that installed it; `forGood`: it is being removed.
struct Uninstall {
  bool forGood = false;
  ArmingTexts typed;
};
struct PromptAnswered {
  BoxAnswer answer = BoxAnswer::Retry;
  bool playerRuns = false;  // looked for again once answered
  ArmingTexts typed;        // saved if the program ends
};
struct WarningAnswered {};
struct OptionsAsked {};  // the icon's menu or the main window's shortcut
// OK in the options window, with what it shows.
struct OptionsChosen {
  Weekdays days;
  std::string gentleStartSeconds;  // as typed
  std::string wakeWith;
  bool wakeWithGone = false;  // names a file or folder that is not there
};
struct Heard {
  effect::Listen asked;
  PlayerSound sound;
};

// A gentle start's countdown to its next step ran out.
struct FadeStep {
  unsigned fade = 0;
};

// What became of an effect that can fail.
template <typename E, typename T = void>
struct Done {
  E effect;
  Result<T> result;
};

}  // namespace dawnquill::event

namespace dawnquill {

using Event = std::variant<
    event::Start, event::Tick, event::Woken, event::WakeLost, event::Toggle, event::Snooze,
    event::TurnOff, event::Exit, event::CloseAsked, event::SessionEndAsked, event::Uninstall,
    event::PromptAnswered, event::WarningAnswered, event::OptionsAsked, event::OptionsChosen,
    event::Heard, event::Done<effect::Play>, event::Done<effect::StopPlayer>,
    event::Done<effect::SoundOwn>, event::Done<effect::Keep>, event::Done<effect::Forget>,
    event::Done<effect::StartAtSignIn>, event::Done<effect::SaveSettings>,
    event::Done<effect::TellDesktop>, event::Done<effect::Hold>,
    event::Done<effect::WakeAt, WakeUpSet>, event::Done<effect::Announce>,
    event::Done<effect::SaveOptions>, event::FadeStep, event::Done<effect::ReadVolume, VolumeLevel>,
    event::Done<effect::SetVolume, double>, event::Done<effect::Open, std::optional<ListEntry>>,
    event::Done<effect::ProveTrack, PlayingNow>>;

}  // namespace dawnquill
