#pragma once

#include <iterator>
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

// What an effect without data is called, by its place in the variant.
// clang-format off
inline constexpr const char* kBareNames[] = {
    "", "", "", "show window", "hide window", "start hidden", "end", "", "", "icon refreshed",
    "icon deleted", "", "ask for a player", "stop asking", "", "", "", "", "", "",
    "release", "", "no wake", "", "no tick", "play", "stop player", "open ring", "close ring", "",
    "unannounce", "listen", "stop listening", "own sound", "own sound off", "", "", "close options",
    "", "read volume", "", "", "cancel step", "", ""};
// clang-format on
static_assert(std::size(kBareNames) == std::variant_size_v<Effect>);

inline std::string Text(const Effect& effect) {
  using namespace effect;
  constexpr const char* kPictures[] = {"armed", "off", "ringing"};
  constexpr const char* kLevels[] = {"", "warning: ", "error: "};
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
          [](const AddIcon& e) { return "icon added " + e.tip; },
          [&](const PublishIcon& e) {
            return "icon " + std::string(kPictures[static_cast<int>(e.picture)]) + " " + e.tip;
          },
          [](const Warn& e) { return "box " + e.title + ": " + e.text; },
          [](const Keep& e) {
            std::string text =
                "keep " + std::to_string(e.record.hour) + ":" + std::to_string(e.record.minute);
            if (e.record.snoozeDue) text += " snooze " + At(*e.record.snoozeDue);
            if (e.record.rang) text += " rang " + At(*e.record.rang);
            if (e.record.volume) text += " volume " + std::to_string(*e.record.volume).substr(0, 4);
            return text + (e.tell ? ", told" : "");
          },
          [](const Forget& e) -> std::string { return e.tell ? "forget, told" : "forget"; },
          [](const StartAtSignIn& e) -> std::string { return e.on ? "sign-in on" : "sign-in off"; },
          [](const SaveSettings& e) {
            const Settings& s = e.settings;
            return "save " + s.hour + " " + s.minute + " " + s.snoozeDelay;
          },
          [](const TellDesktop& e) { return "tell " + e.text; },
          [](const Hold& e) {
            return "hold " + e.reason +
                   (e.awake == SleepInhibitor::Awake::ComputerAndScreen ? ", screen" : "");
          },
          [](const WakeAt& e) { return "wake " + At(e.instant); },
          [](const TickAt& e) { return "tick at " + At(e.instant); },
          [](const Announce& e) { return "announce " + e.time; },
          [](const OpenOptions& e) {
            const AlarmOptions& o = e.options;
            return "open options " + o.days.Stored() + " " + std::to_string(o.gentleStartSeconds) +
                   " " + o.wakeWith;
          },
          [](const SaveOptions& e) {
            const StoredOptions& o = e.options;
            return "save options " + o.repeat + " " + o.gentleStartSeconds + " " + o.wakeWith;
          },
          [](const SetVolume& e) {
            constexpr const char* kUses[] = {"start", "step", "restore", "repay"};
            char text[48];
            std::snprintf(text, sizeof text, "volume %.4g %s", e.level,
                          kUses[static_cast<int>(e.use)]);
            return std::string(text);
          },
          [](const StepAfter& e) { return "step in " + std::to_string(e.delay.count()) + " ms"; },
          [](const Open& e) {
            if (!e.again) return "open " + e.uri;
            return "open " + e.uri + " again at " + std::to_string(e.again->index) + " of " +
                   std::to_string(e.again->length);
          },
          [](const ProveTrack& e) { return "prove in " + std::to_string(e.after.count()) + " ms"; },
          [&](const Log& e) {
            return "log " + std::string(kLevels[static_cast<int>(e.level)]) + e.text;
          },
          [&](const auto&) -> std::string { return kBareNames[effect.index()]; },
      },
      effect);
}

inline std::vector<std::string> Texts(const Effects& effects) {
  std::vector<std::string> texts;
  for (const Effect& effect : effects) texts.push_back(Text(effect));
  return texts;
}

}  // namespace dawnquill::testing
