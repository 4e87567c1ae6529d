#include "ui/wake_up/wake_up_window_layout.h"

#include <array>

#include "core/texts.h"

namespace dawnquill::wake_up_window {
namespace {

using enum ControlKind;

constexpr std::array kControls{
    Control{.id = WakeUpControl::ClockTimer, .kind = Timer, .interval = 200},
    Control{.id = WakeUpControl::TurnOffButton,
            .kind = PushButton,
            .caption = Said("wake-up button", "Turn alarm off"),
            .left = 240,
            .top = 2400,
            .width = 4215,
            .height = 375,
            .tabIndex = 2},
    Control{.id = WakeUpControl::SnoozeButton,
            .kind = PushButton,
            .caption = Said("wake-up button", "Snooze"),
            .left = 240,
            .top = 1560,
            .width = 4215,
            .height = 735,
            .tabIndex = 1,
            .font = {"Tahoma", 24}},
    Control{.id = WakeUpControl::ClockLabel,
            .kind = Label,
            .caption = "00:00:00",
            .left = 240,
            .top = 240,
            .width = 4215,
            .height = 1215,
            .font = {"Tahoma", 48},
            .centred = true},
};

constexpr FormLayout kLayout{
    .name = "wakeUpWindow",
    .caption = Said("Dawnquill - Wake up!"),
    .clientWidth = 4695,
    .clientHeight = 3015,
    .minimiseButton = false,
    .taskbarButton = false,
    // Seen over whatever the user left open, even where the system refuses it the foreground.
    .aboveOthers = true,
    .defaultButton = {},
    .firstFocus = WakeUpControl::SnoozeButton,
    .controls = kControls,
};

}  // namespace

const FormLayout& Layout() { return kLayout; }

}  // namespace dawnquill::wake_up_window
