#include "ui/alarm/frm_alarm_layout.h"

#include <array>

namespace dawnquill::frm_alarm {
namespace {

using enum ControlKind;

constexpr std::array kControls{
    Control{.name = TimerTijd, .kind = Timer, .interval = 200},
    Control{.name = cmdAlarmOff,
            .kind = PushButton,
            .caption = "Turn alarm off",
            .left = 240,
            .top = 2400,
            .width = 4215,
            .height = 375,
            .tabIndex = 2},
    Control{.name = cmdSnooze,
            .kind = PushButton,
            .caption = "Snooze",
            .left = 240,
            .top = 1560,
            .width = 4215,
            .height = 735,
            .tabIndex = 1,
            .font = {"Tahoma", 24}},
    Control{.name = lblTijd,
            .kind = Label,
            .caption = "00:00:00",
            .left = 240,
            .top = 240,
            .width = 4215,
            .height = 1215,
            .tabIndex = 0,
            .font = {"Tahoma", 48},
            .centred = true},
};

constexpr FormLayout kLayout{
    .name = "frmAlarm",
    .caption = "Dawnquill - Wake up!",
    .clientWidth = 4695,
    .clientHeight = 3015,
    .minimiseButton = false,
    .taskbarButton = false,
    .defaultButton = {},
    .firstFocus = cmdSnooze,
    .controls = kControls,
};

}  // namespace

const FormLayout& Layout() { return kLayout; }

}  // namespace dawnquill::frm_alarm
