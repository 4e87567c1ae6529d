#include "core/alarm_driver.h"

#include "core/alarm_record.h"

namespace dawnquill {

using Input = AlarmControls::Input;

void AlarmDriver::Start(StartShown shown) {
  Take(event::Start{ports_.store.Read(), ports_.store.ReadOptions(), ports_.store.KeptAlarm(),
                    shown});
  Tick();
}

void AlarmDriver::Tick() {
  const Clock& clock = ports_.clock;
  Take(event::Tick{clock.Now(), clock.Utc(), ports_.player.Running()});
}

bool AlarmDriver::SessionMayEnd() {
  Take(event::SessionEndAsked{});
  return alarm_.State() == AlarmState::Off;
}

void AlarmDriver::Woken() {
  Take(event::Woken{});
  Tick();
}

void AlarmDriver::Chosen(RingAction action) {
  if (action == RingAction::Snooze) return Snooze();
  TurnOff();
}

void AlarmDriver::Take(Event event) {
  waiting_.push_back(std::move(event));
  if (taking_) return;
  taking_ = true;
  while (!waiting_.empty()) {
    Event next = std::move(waiting_.front());
    waiting_.pop_front();
    for (const Effect& effect : alarm_.Take(next)) {
      std::visit([this](const auto& e) { Do(e); }, effect);
    }
  }
  taking_ = false;
}

ArmingTexts AlarmDriver::Typed() const {
  const AlarmControls& controls = ports_.controls;
  return {.hour = controls.Text(Input::Hour),
          .minute = controls.Text(Input::Minute),
          .snoozeDelay = controls.Text(Input::SnoozeDelay)};
}

// ------------------------------------------------------------------------- the main window

void AlarmDriver::Do(const effect::SetStatus& e) { ports_.controls.SetStatus(e.text); }

void AlarmDriver::Do(const effect::SetInputs& e) {
  ports_.controls.SetToggleCaption(e.toggleCaption);
  ports_.controls.SetInputsEnabled(e.enabled);
}

void AlarmDriver::Do(const effect::RewriteBoxes& e) {
  for (const Input input : {Input::Hour, Input::Minute, Input::SnoozeDelay}) {
    if (const auto& text = e.texts[static_cast<int>(input)]) ports_.controls.SetText(input, *text);
  }
}

void AlarmDriver::Do(const effect::ShowWindow& /*e*/) { ports_.window.ShowMainWindow(); }
void AlarmDriver::Do(const effect::HideWindow& /*e*/) { ports_.window.HideMainWindow(); }
void AlarmDriver::Do(const effect::StartHidden& /*e*/) { ports_.window.StartHidden(); }
void AlarmDriver::Do(const effect::EndProgram& /*e*/) { window_->End(); }

// --------------------------------------------------------------------------------- the tray

void AlarmDriver::Do(const effect::AddIcon& e) { ports_.tray.Add(e.tip); }
void AlarmDriver::Do(const effect::PublishIcon& e) { ports_.tray.Publish(e.tip, e.picture); }
void AlarmDriver::Do(const effect::RefreshIcon& /*e*/) { ports_.tray.Refresh(); }
void AlarmDriver::Do(const effect::DeleteIcon& /*e*/) { ports_.tray.Delete(); }

// -------------------------------------------------------------------------------- the boxes

void AlarmDriver::Do(const effect::Warn& e) {
  MessageBoxes::Answered answered;
  if (e.answered) answered = [this](BoxAnswer) { Take(event::WarningAnswered{}); };
  ports_.boxes.Show(e.text, e.title, e.kind, BoxButtons::Ok, std::move(answered));
}

// Retry looks for the player again once the user has answered.
void AlarmDriver::Do(const effect::AskForPlayer& /*e*/) {
  const MissingPlayerPrompt prompt = ports_.player.Missing();
  prompt_ = ports_.boxes.Show(prompt.text, prompt.title, BoxKind::Information,
                              BoxButtons::RetryCancel, [this](BoxAnswer answer) {
                                prompt_.reset();
                                const bool runs =
                                    answer == BoxAnswer::Retry && ports_.player.Running();
                                Take(event::PromptAnswered{answer, runs, Typed()});
                              });
}

void AlarmDriver::Do(const effect::StopAsking& /*e*/) {
  if (prompt_) ports_.boxes.Close(*std::exchange(prompt_, std::nullopt));
}

// ------------------------------------------------------------------ what outlives the program

void AlarmDriver::Do(const effect::Keep& e) {
  Report(e, ports_.store.KeepAlarm(RecordText(e.record)));
}
void AlarmDriver::Do(const effect::Forget& e) { Report(e, ports_.store.ClearKeptAlarm()); }
void AlarmDriver::Do(const effect::StartAtSignIn& e) {
  Report(e, e.on ? ports_.signIn.Enable() : ports_.signIn.Disable());
}
void AlarmDriver::Do(const effect::SaveSettings& e) { Report(e, ports_.store.Write(e.settings)); }
void AlarmDriver::Do(const effect::SaveOptions& e) {
  Report(e, ports_.store.WriteOptions(e.options));
}
void AlarmDriver::Do(const effect::TellDesktop& e) { Report(e, ports_.desktop.Tell(e.text)); }

// ------------------------------------------------------------------------ awake, and woken

void AlarmDriver::Do(const effect::Hold& e) {
  ports_.inhibitor.Hold(e.reason, e.awake,
                        [this, e](Result<> held) { Report(e, std::move(held)); });
}
void AlarmDriver::Do(const effect::Release& /*e*/) { ports_.inhibitor.Release(); }
void AlarmDriver::Do(const effect::WakeAt& e) {
  ports_.wakeTimer.WakeAt(e.instant,
                          [this, e](Result<WakeUpSet> set) { Report(e, std::move(set)); });
}
void AlarmDriver::Do(const effect::CancelWake& /*e*/) { ports_.wakeTimer.Cancel(); }
void AlarmDriver::Do(const effect::TickAt& e) { ports_.tickTimer.SetFor(e.instant); }
void AlarmDriver::Do(const effect::CancelTick& /*e*/) { ports_.tickTimer.CancelTick(); }

// --------------------------------------------------------------------------------- the ring

void AlarmDriver::Do(const effect::Play& e) { Report(e, ports_.player.Play()); }
void AlarmDriver::Do(const effect::StopPlayer& e) { Report(e, ports_.player.Stop()); }
void AlarmDriver::Do(const effect::Open& e) {
  if (!e.path.empty() && !ports_.files.IsThere(e.path)) {
    return Report(e, Result<std::optional<ListEntry>>(Failure{e.path + " is not there"}));
  }
  ports_.player.Open(e.uri, e.path, e.again, [this, e](Result<std::optional<ListEntry>> opened) {
    Report(e, std::move(opened));
  });
}
void AlarmDriver::Do(const effect::ProveTrack& e) {
  ports_.trackProof.After(e.after, [this, e] {
    ports_.player.ReadPlaying([this, e](Result<PlayingNow> now) { Report(e, std::move(now)); });
  });
}
void AlarmDriver::Do(const effect::OpenRing& /*e*/) { ports_.ring.Open(); }
void AlarmDriver::Do(const effect::OpenOptions& e) { ports_.options.Open(e.options); }
void AlarmDriver::Do(const effect::CloseOptions& /*e*/) { ports_.options.Close(); }
void AlarmDriver::Do(const effect::CloseRing& /*e*/) { ports_.ring.Close(); }
void AlarmDriver::Do(const effect::Announce& e) {
  ports_.notice.Show(e.time, [this, e](Result<> shown) { Report(e, std::move(shown)); });
}
void AlarmDriver::Do(const effect::Unannounce& /*e*/) { ports_.notice.Close(); }
void AlarmDriver::Do(const effect::Listen& e) {
  ports_.listener.Listen([this, e](const PlayerSound& sound) { Take(event::Heard{e, sound}); });
}
void AlarmDriver::Do(const effect::StopListening& /*e*/) { ports_.listener.Done(); }
void AlarmDriver::Do(const effect::SoundOwn& e) {
  ports_.ownSound.Start([this, e](Result<> sounds) { Report(e, std::move(sounds)); });
}
void AlarmDriver::Do(const effect::SilenceOwn& /*e*/) { ports_.ownSound.Stop(); }

// The player was found by the tick, or by the stop, just before.
void AlarmDriver::Do(const effect::ReadVolume& e) { Report(e, ports_.volume.Volume()); }
void AlarmDriver::Do(const effect::SetVolume& e) { Report(e, ports_.volume.SetVolume(e.level)); }
void AlarmDriver::Do(const effect::StepAfter& e) {
  ports_.fadeSteps.After(e.delay, [this, e] { Take(event::FadeStep{e.fade}); });
}
void AlarmDriver::Do(const effect::CancelStep& /*e*/) { ports_.fadeSteps.Cancel(); }

void AlarmDriver::Do(const effect::Log& e) { logger::Write(e.level, {e.text}); }

}  // namespace dawnquill
