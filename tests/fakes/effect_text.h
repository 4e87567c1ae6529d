#pragma once

#include <string>
#include <vector>

#include "core/alarm_effects.h"
#include "core/wall_clock.h"

// The alarm's effects in a few words each, for a test to compare a step's effects as a list.
namespace dawnquill::testing {

template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

inline std::string At(std::chrono::sys_seconds instant) {
  const WallTime t = UtcTimeAt(instant);
  char text[24];
  std::snprintf(text, sizeof text, "%02d-%02d %02d:%02dZ", t.month, t.day, t.hour, t.minute);
  return text;
}

inline std::string Text(const Effect& effect) {
  using namespace effect;
  constexpr const char* kPictures[] = {"armed", "off", "ringing"};
  return std::visit(
      Overloaded{
          [](const SetStatus& e) { return "status " + e.text; },
          [](const SetInputs& e) {
            return "inputs " + std::string(e.toggleCaption) + (e.enabled ? "" : ", locked");
          },
          [](const RewriteBoxes& e) {
            std::string text = "boxes";
            for (const auto& box : e.texts) text += " " + box.value_or("-");
            return text;
          },
          [](const ShowWindow&) -> std::string { return "show window"; },
          [](const HideWindow&) -> std::string { return "hide window"; },
          [](const StartHidden&) -> std::string { return "start hidden"; },
          [](const EndProgram&) -> std::string { return "end"; },
          [](const AddIcon& e) { return "icon added " + e.tip; },
          [&](const PublishIcon& e) {
            return "icon " + std::string(kPictures[static_cast<int>(e.picture)]) + " " + e.tip;
          },
          [](const RefreshIcon&) -> std::string { return "icon refreshed"; },
          [](const DeleteIcon&) -> std::string { return "icon deleted"; },
          [](const Warn& e) { return "box " + e.title + ": " + e.text; },
          [](const AskForPlayer&) -> std::string { return "ask for a player"; },
          [](const StopAsking&) -> std::string { return "stop asking"; },
          [](const Keep& e) {
            std::string text =
                "keep " + std::to_string(e.record.hour) + ":" + std::to_string(e.record.minute);
            if (e.record.snoozeDue) text += " snooze " + At(*e.record.snoozeDue);
            if (e.record.rang) text += " rang " + At(*e.record.rang);
            return text;
          },
          [](const Forget&) -> std::string { return "forget"; },
          [](const StartAtSignIn& e) -> std::string { return e.on ? "sign-in on" : "sign-in off"; },
          [](const SaveSettings& e) {
            return "save " + e.settings.hour + " " + e.settings.minute + " " +
                   e.settings.snoozeDelay;
          },
          [](const TellDesktop& e) { return "tell " + e.text; },
          [](const Hold& e) {
            return "hold " + e.reason +
                   (e.awake == SleepInhibitor::Awake::ComputerAndScreen ? ", screen" : "");
          },
          [](const Release&) -> std::string { return "release"; },
          [](const WakeAt& e) { return "wake " + At(e.instant); },
          [](const CancelWake&) -> std::string { return "no wake"; },
          [](const Play&) -> std::string { return "play"; },
          [](const StopPlayer&) -> std::string { return "stop player"; },
          [](const OpenRing&) -> std::string { return "open ring"; },
          [](const CloseRing&) -> std::string { return "close ring"; },
          [](const Announce& e) { return "announce " + e.time; },
          [](const Unannounce&) -> std::string { return "unannounce"; },
          [](const Listen&) -> std::string { return "listen"; },
          [](const StopListening&) -> std::string { return "stop listening"; },
          [](const SoundOwn&) -> std::string { return "own sound"; },
          [](const SilenceOwn&) -> std::string { return "own sound off"; },
          [](const Log& e) {
            constexpr const char* kLevels[] = {"", "warning: ", "error: "};
            return "log " + std::string(kLevels[static_cast<int>(e.level)]) + e.text;
          },
      },
      effect);
}

inline std::vector<std::string> Texts(const Effects& effects) {
  std::vector<std::string> texts;
  for (const Effect& effect : effects) texts.push_back(Text(effect));
  return texts;
}

}  // namespace dawnquill::testing
