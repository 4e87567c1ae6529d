#pragma once

#include <deque>
#include <optional>
#include <string>

#include "core/alarm.h"
#include "core/window_roles.h"
#include "interfaces/alarm_sound.h"
#include "interfaces/clock.h"
#include "interfaces/countdown.h"
#include "interfaces/desktop_notice.h"
#include "interfaces/file_chooser.h"
#include "interfaces/message_box.h"
#include "interfaces/player_listener.h"
#include "interfaces/player_volume.h"
#include "interfaces/ring_notice.h"
#include "interfaces/settings_store.h"
#include "interfaces/sign_in_start.h"
#include "interfaces/sleep_inhibitor.h"
#include "interfaces/tick_timer.h"
#include "interfaces/wake_timer.h"
#include "player/player_remote.h"
#include "tray/tray_icon.h"
#include "tray/tray_menu.h"

namespace dawnquill {

// The one place each of the alarm's effects is carried out, and what the alarm reads with its
// events.
struct AlarmPorts {
  AlarmControls& controls;
  TrayIcon& tray;
  TrayMenu& window;  // the main window's showing and hiding
  MessageBoxes& boxes;
  RingWindow& ring;
  OptionsWindow& options;
  PlayerRemote& player;
  PlayerListener& listener;
  AlarmSound& ownSound;
  RingNotice& notice;
  DesktopNotice& desktop;
  SettingsStore& store;
  SignInStart& signIn;
  SleepInhibitor& inhibitor;
  WakeTimer& wakeTimer;
  TickTimer& tickTimer;
  const Clock& clock;
  PlayerVolume& volume;  // of the player the remote control found last
  Countdown& fadeSteps;
  Countdown& trackProof;  // the wait before the player is asked what it holds
  const FileChooser& files;
};

// What the user, the tick and the desktop do to the alarm: each is read into an event, the alarm
// decides, and each effect it calls for goes to its one port, in order. An event that comes while
// effects are carried out waits for them.
class AlarmDriver final : public WakeTimerEvents, public TickTimerEvents, public RingNoticeEvents {
 public:
  AlarmDriver(const Clock& clock, std::string decimalSeparator, AlarmPorts ports)
      : alarm_(clock, std::move(decimalSeparator)), ports_(ports) {}

  // The window whose end is the program's. Connected once, before the start.
  void SetProgramWindow(ProgramWindow& window) { window_ = &window; }

  // With the stored settings and the kept alarm, then the first tick.
  void Start(StartShown shown);
  // The five-second timer's, and the one at a ring's instant.
  void Tick() override;
  void Toggle() { Take(event::Toggle{Typed()}); }
  void Snooze() { Take(event::Snooze{}); }
  void TurnOff() { Take(event::TurnOff{}); }
  void Exit() { Take(event::Exit{Typed()}); }
  void CloseAsked(CloseReason reason) { Take(event::CloseAsked{reason, Typed()}); }
  // False, with the window hidden, while an alarm is on: the desktop asks the user first.
  bool SessionMayEnd();
  // A suspend, a resume or the clock set by hand may leave the wake-up on a stale instant.
  void WakeLost() { Take(event::WakeLost{}); }
  void Uninstall(bool forGood) { Take(event::Uninstall{forGood, Typed()}); }
  void OpenOptions() { Take(event::OptionsAsked{}); }
  void ChooseOptions(event::OptionsChosen chosen) { Take(std::move(chosen)); }
  // The computer woke for the alarm: a tick, besides the five-second timer's.
  void Woken() override;
  // The notice's actions do what the ring's window does.
  void Chosen(RingAction action) override;

  AlarmState State() const { return alarm_.State(); }

 private:
  void Take(Event event);
  ArmingTexts Typed() const;
  template <typename E, typename T>
  void Report(const E& effect, Result<T> result) {
    Take(event::Done<E, T>{effect, std::move(result)});
  }

  void Do(const effect::SetStatus& e);
  void Do(const effect::SetInputs& e);
  void Do(const effect::RewriteBoxes& e);
  void Do(const effect::ShowWindow& e);
  void Do(const effect::HideWindow& e);
  void Do(const effect::StartHidden& e);
  void Do(const effect::EndProgram& e);
  void Do(const effect::AddIcon& e);
  void Do(const effect::PublishIcon& e);
  void Do(const effect::RefreshIcon& e);
  void Do(const effect::DeleteIcon& e);
  void Do(const effect::Warn& e);
  void Do(const effect::AskForPlayer& e);
  void Do(const effect::StopAsking& e);
  void Do(const effect::Keep& e);
  void Do(const effect::Forget& e);
  void Do(const effect::StartAtSignIn& e);
  void Do(const effect::SaveSettings& e);
  void Do(const effect::TellDesktop& e);
  void Do(const effect::Hold& e);
  void Do(const effect::Release& e);
  void Do(const effect::WakeAt& e);
  void Do(const effect::CancelWake& e);
  void Do(const effect::TickAt& e);
  void Do(const effect::CancelTick& e);
  void Do(const effect::Play& e);
  void Do(const effect::StopPlayer& e);
  void Do(const effect::OpenRing& e);
  void Do(const effect::CloseRing& e);
  void Do(const effect::Announce& e);
  void Do(const effect::Unannounce& e);
  void Do(const effect::Listen& e);
  void Do(const effect::StopListening& e);
  void Do(const effect::SoundOwn& e);
  void Do(const effect::SilenceOwn& e);
  void Do(const effect::Log& e);
  void Do(const effect::OpenOptions& e);
  void Do(const effect::CloseOptions& e);
  void Do(const effect::SaveOptions& e);
  void Do(const effect::ReadVolume& e);
  void Do(const effect::SetVolume& e);
  void Do(const effect::StepAfter& e);
  void Do(const effect::CancelStep& e);
  void Do(const effect::Open& e);
  void Do(const effect::ProveTrack& e);

  Alarm alarm_;
  AlarmPorts ports_;
  ProgramWindow* window_ = nullptr;
  std::deque<Event> waiting_;
  bool taking_ = false;
  std::optional<MessageBoxes::BoxId> prompt_;  // the prompt for a player, while it is open
};

}  // namespace dawnquill
