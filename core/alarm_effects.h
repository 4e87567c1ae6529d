#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/alarm_options.h"
#include "core/alarm_record.h"
#include "core/logger.h"
#include "interfaces/media_player.h"
#include "interfaces/message_box.h"
#include "interfaces/notification_icon.h"
#include "interfaces/settings_store.h"
#include "interfaces/sleep_inhibitor.h"

// What the alarm calls for, each carrying all it needs. The alarm only decides; AlarmDriver hands
// each effect to the one place that does it.
namespace dawnquill::effect {

// The main window.
struct SetStatus {
  std::string text;
};
struct SetInputs {  // the toggle's caption, and whether the three boxes take input
  std::string toggleCaption;
  bool enabled = true;
};
struct RewriteBoxes {  // by AlarmControls::Input; none for a box left as typed
  std::array<std::optional<std::string>, 3> texts;
};
struct ShowWindow {};
struct OpenOptions {  // modal, filled with these
  AlarmOptions options;
};
struct CloseOptions {};
struct HideWindow {};   // to the tray, or minimised where there is none
struct StartHidden {};  // in the tray, shown only if no notification area comes
struct EndProgram {};

// The notification icon.
struct AddIcon {
  std::string tip;
};
struct PublishIcon {
  std::string tip;
  TrayPicture picture = TrayPicture::Off;
};
struct RefreshIcon {};
struct DeleteIcon {};

// Boxes. An answer comes back only where `answered` is set.
struct Warn {
  std::string text;
  std::string title;
  BoxKind kind = BoxKind::Warning;
  bool answered = false;  // the program waits for it
};
struct AskForPlayer {};
struct StopAsking {};  // the prompt goes, unanswered

// What is kept for the next start. `tell`: a failure is the user's to hear, once a run.
struct Keep {
  AlarmRecord record;
  bool tell = false;
};
struct Forget {
  bool tell = false;
};
struct StartAtSignIn {
  bool on = false;
};
struct SaveSettings {
  Settings settings;
  bool sessionEnds = false;  // nobody may be there to answer a box
};
struct SaveOptions {
  StoredOptions options;
};
struct TellDesktop {
  std::string text;
};

// What keeps the computer awake and wakes it.
struct Hold {
  std::string reason;
  SleepInhibitor::Awake awake = SleepInhibitor::Awake::Computer;
};
struct Release {};
struct WakeAt {
  std::chrono::sys_seconds instant;
  bool userArmed = false;  // a computer that cannot wake is the user's to hear, once a run
};
struct CancelWake {};
struct TickAt {  // the tick at the next ring's instant, beside the five-second ones
  std::chrono::sys_seconds instant;
};
struct CancelTick {};

// The ring.
struct Play {};
struct StopPlayer {};
struct Open {  // what the user chose to wake with, handed to the player before it plays
  std::string uri;
  std::string path;                // empty for a URI that names no file
  std::optional<ListEntry> again;  // where the player put it the last time
  unsigned attempt = 0;            // an answer about an older one is stale
};
struct ProveTrack {  // after a while, what the player holds: the proof that it took the track
  std::chrono::milliseconds after{};
  unsigned attempt = 0;
};
struct OpenRing {};
struct CloseRing {};
struct Announce {  // the desktop's notice of the ring
  std::string time;
};
struct Unannounce {};
struct Listen {
  unsigned question = 0;  // an answer to an older one is stale
};
struct StopListening {};
struct SoundOwn {
  unsigned attempt = 0;  // a report of an older one is stale
};
struct SilenceOwn {};

// The gentle start, in the player's own units. `fade`: an answer about an older fade is stale.
struct ReadVolume {
  unsigned fade = 0;
};
// A restore sets back the level of this run's fade, a repayment the one the last run kept.
enum class VolumeUse { FadeStart, FadeStep, Restore, Repay };
struct SetVolume {
  double level = 0;
  VolumeUse use = VolumeUse::Restore;
  unsigned fade = 0;
};
struct StepAfter {
  std::chrono::milliseconds delay{};
  unsigned fade = 0;
};
struct CancelStep {};

struct Log {
  logger::Level level = logger::Level::Info;
  std::string text;
};

}  // namespace dawnquill::effect

namespace dawnquill {

using Effect = std::variant<
    effect::SetStatus, effect::SetInputs, effect::RewriteBoxes, effect::ShowWindow,
    effect::HideWindow, effect::StartHidden, effect::EndProgram, effect::AddIcon,
    effect::PublishIcon, effect::RefreshIcon, effect::DeleteIcon, effect::Warn,
    effect::AskForPlayer, effect::StopAsking, effect::Keep, effect::Forget, effect::StartAtSignIn,
    effect::SaveSettings, effect::TellDesktop, effect::Hold, effect::Release, effect::WakeAt,
    effect::CancelWake, effect::TickAt, effect::CancelTick, effect::Play, effect::StopPlayer,
    effect::OpenRing, effect::CloseRing, effect::Announce, effect::Unannounce, effect::Listen,
    effect::StopListening, effect::SoundOwn, effect::SilenceOwn, effect::Log, effect::OpenOptions,
    effect::CloseOptions, effect::SaveOptions, effect::ReadVolume, effect::SetVolume,
    effect::StepAfter, effect::CancelStep, effect::Open, effect::ProveTrack>;
using Effects = std::vector<Effect>;

}  // namespace dawnquill
