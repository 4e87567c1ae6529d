#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/alarm_effects.h"
#include "core/alarm_events.h"
#include "core/alarm_options.h"
#include "core/alarm_record.h"
#include "core/ring_fade.h"
#include "core/ring_hearing.h"
#include "core/texts.h"
#include "core/window_roles.h"
#include "interfaces/clock.h"
#include "interfaces/notification_icon.h"

namespace dawnquill {

enum class AlarmState { Off, Armed, Ringing, Snoozing };

// The alarm clock: its state, its times, the rules that change them, and what it asks of the
// desktop while no player runs, while it rings and as the program ends. It takes what happens as
// events and returns what each calls for as effects; nothing here reaches the world, and nothing
// waits: a question to the user is a state, and its answer another event.
class Alarm {
 public:
  // `clock`: the zone's rules, for the wall time of an instant, and the present instant of a
  // step that is not a tick. `decimalSeparator`: the user's locale's, for the numbers written
  // back into the boxes.
  Alarm(const Clock& clock, std::string decimalSeparator)
      : clock_(clock), decimalSeparator_(std::move(decimalSeparator)) {}

  Effects Take(const Event& event);

  AlarmState State() const { return state_; }
  // The main window's status line.
  std::string Status() const;
  // The tray's tip: the status, with the days a repeating alarm rings on.
  std::string Tip() const;
  // Nothing more is asked of anybody: the program is ending.
  bool Ending() const { return ending_; }

 private:
  // One handler an event; each appends to what the step calls for.
  void On(const event::Start& start);
  void On(const event::Tick& tick);
  void On(const event::Woken& woken);
  void On(const event::WakeLost& lost);
  void On(const event::Toggle& toggle);
  void On(const event::Snooze& snooze);
  void On(const event::TurnOff& off);
  void On(const event::Exit& exit);
  void On(const event::CloseAsked& close);
  void On(const event::SessionEndAsked& asked);
  void On(const event::Uninstall& uninstall);
  void On(const event::PromptAnswered& answered);
  void On(const event::WarningAnswered& answered);
  void On(const event::OptionsAsked& asked);
  void On(const event::OptionsChosen& chosen);
  void On(const event::Done<effect::SaveOptions>& done);
  void On(const event::Heard& heard);
  void On(const event::Done<effect::Play>& done);
  void On(const event::Done<effect::StopPlayer>& done);
  void On(const event::Done<effect::SoundOwn>& done);
  void On(const event::Done<effect::Keep>& done);
  void On(const event::Done<effect::Forget>& done);
  void On(const event::Done<effect::StartAtSignIn>& done);
  void On(const event::Done<effect::SaveSettings>& done);
  void On(const event::Done<effect::TellDesktop>& done);
  void On(const event::Done<effect::Hold>& done);
  void On(const event::Done<effect::WakeAt, WakeUpSet>& done);
  void On(const event::Done<effect::Announce>& done);
  void On(const event::FadeStep& step);
  void On(const event::Done<effect::ReadVolume, VolumeLevel>& done);
  void On(const event::Done<effect::SetVolume, double>& done);
  void On(const event::Done<effect::Open, std::optional<ListEntry>>& done);
  void On(const event::Done<effect::ProveTrack, PlayingNow>& done);

  template <typename E>
  void Do(E effect) {
    out_.emplace_back(std::move(effect));
  }
  void Log(logger::Level level, std::initializer_list<std::string_view> parts);

  // Arming, and what follows any change of what is pending.
  double NormaliseTimeField(AlarmControls::Input input, const std::string& typed,
                            effect::RewriteBoxes& boxes) const;
  std::string CheckedArming(const ArmingTexts& typed, effect::RewriteBoxes& boxes);
  void TurnOn(const ArmingTexts& typed);
  void Arm(int hour, int minute, int delay);
  void TurnOffNow(bool tell);
  void OnForNextDay();
  void SnoozeFor(std::chrono::sys_seconds due);
  void Restore(const AlarmRecord& kept);
  void FollowInputs();
  void Shown();
  void Held();
  bool HoldWanted() const;
  void Kept(bool tell);
  void Wake(bool userArmed);
  void TickAtNextRing();
  void Changed(bool tell);

  // The ticks.
  void SetNow(const WallTime& now, std::chrono::sys_seconds utc);
  bool RingIsDue() const;
  bool MinuteHasCome(int hour, int minute) const;
  std::chrono::sys_seconds MinuteThatCame() const;
  std::chrono::sys_seconds LatestSnoozeRing() const;
  bool SnoozeGivesWay(std::chrono::sys_seconds utc) const;
  std::optional<std::chrono::sys_seconds> NextRing() const;
  std::chrono::sys_seconds SnoozeOrigin() const;

  // The player, its prompt, and the main window that waits for the prompt at a start.
  void InsistOnPlayer(bool playerRuns);
  void Ask();
  void ShowWaitingWindow();

  // The ring: it plays, and while the player cannot be heard it sounds the alarm's own sound.
  void Ring(bool playerRuns);
  void RingTick(bool playerRuns);
  void Played(const Result<>& result);
  void AskWhetherHeard();
  void Silent(std::string_view why);
  void Audible();
  void EndRing(bool stopPlayer);
  // What plays: the player's own list, or what the user chose, handed over first.
  void PlayChosen();

  // The gentle start: the player's volume, lowered before it plays and raised back.
  void PlayGently();
  void NoFade(std::string_view why);
  void Rise(const Result<double>& taken);
  void SettleVolume();
  void RepayVolume(bool playerRuns);

  // The end of the program: it waits for the settings to be saved, and for any box it showed.
  void End(CloseReason reason, const ArmingTexts& typed);
  void KeptOrNot(std::string_view what, const Words& told, const Result<>& result, bool tell);
  void Warn(std::string text, std::string_view title, BoxKind kind = BoxKind::Warning);
  void EndWhenSettled();

  std::string DueTime() const;
  std::string DueTimeAndDays() const;
  TrayPicture Picture() const;
  AlarmRecord Record(std::chrono::sys_seconds written) const;

  const Clock& clock_;
  std::string decimalSeparator_;
  Effects out_;

  AlarmState state_ = AlarmState::Off;
  int alarmHour_ = 0;
  int alarmMinute_ = 0;
  int snoozeDelay_ = 0;
  Weekdays days_;         // of the alarm that is on
  AlarmOptions options_;  // for the next arming
  // A repeating alarm turned off as it rang stays on, but not for the minute that rang.
  std::optional<std::chrono::sys_seconds> doneWith_;
  std::optional<std::chrono::sys_seconds> snoozeDue_;  // snoozing, or ringing after a snooze
  std::optional<std::chrono::sys_seconds> rang_;       // ringing: the minute that rang
  WallTime lastTick_;                                  // what the ring's decision compares
  std::chrono::sys_seconds lastTickUtc_{};
  bool ticked_ = false;
  std::optional<WallTime> tickBefore_;  // none before the second tick

  bool playerRuns_ = true;                 // as the last look found it
  bool asking_ = false;                    // the prompt for a player is open
  std::optional<StartShown> windowWaits_;  // a start's window, shown once no prompt is up

  // The ring under way.
  std::string ringDue_;    // when it was due, as the status writes it
  bool ringTold_ = false;  // its line is in the log
  bool played_ = false;    // a player has the command to play
  RingHearing hearing_;
  unsigned question_ = 0;   // the one whose answer counts
  bool listening_ = false;  // it is on its way
  std::string silence_;     // why the player cannot be heard; empty while it may be
  enum class OwnSound { Quiet, Asked, Sounding, Failed } own_ = OwnSound::Quiet;
  unsigned attempt_ = 0;  // the own sound's last start, whose report counts
  bool toldOwnFailure_ = false;
  bool toldMuted_ = false;
  RingFade fade_;
  bool toldNoFade_ = false;  // once a run
  // The chosen track on its way: handed to the player, then looked for in its hands; the
  // player is told to play once that is done.
  enum class Handing { None, Opening, Proving } handing_ = Handing::None;
  unsigned opening_ = 0;  // the last handing-over, whose answers count
  // Where the player put the chosen track, by its URI, so that the next ring selects it again.
  std::optional<std::pair<std::string, ListEntry>> entry_;

  // The wake-up asked for last, and the last one the log told.
  std::optional<std::chrono::sys_seconds> wakeSet_;
  std::optional<std::chrono::sys_seconds> wakeTold_;
  // The platform took the last one and will wake the computer for it.
  bool wakeCovers_ = false;
  bool holding_ = false;

  // The tick asked for at the next ring. Its timer may have run apart from the wall clock since
  // (`tickStale_`): it counts no time asleep, and the clock may have been set.
  std::optional<std::chrono::sys_seconds> tickSet_;
  std::optional<std::chrono::sys_seconds> tickRead_;  // the UTC the last tick read
  bool tickStale_ = false;

  // What is said once a run.
  bool toldKept_ = false;
  bool toldNoHold_ = false;
  bool toldNoWake_ = false;
  bool toldCannotWake_ = false;
  bool loggedCannotWake_ = false;
  bool toldNoNotice_ = false;

  // The end.
  bool ending_ = false;
  bool settingsSettled_ = false;  // saved, or their failure told
  int boxesOpen_ = 0;             // boxes the end waits for
  bool ended_ = false;
};

}  // namespace dawnquill
