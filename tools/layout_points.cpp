// Prints where to click DawnQuill's controls, taken from the layout tables, as shell assignments
// that the end-to-end tests and the bench read: at_NAME="X Y" in its window's client area at 96
// dpi, the control's centre or, in a combo box, the text left of its arrow.
#include <cstdio>

#include "ui/form_geometry.h"
#include "ui/main/main_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace {

using namespace dawnquill;

void Print(const char* name, const FormLayout& layout, ControlId id) {
  for (const Control& control : layout.controls) {
    if (control.id != id) continue;
    const PixelRect place = PlaceInWindow(layout, control);
    const int across = control.kind == ControlKind::ComboBox ? 3 : 2;
    std::printf("at_%s=\"%d %d\"\n", name, place.left + place.width / across,
                place.top + place.height / 2);
  }
}

}  // namespace

int main() {
  const FormLayout& main = main_window::Layout();
  Print("hour_box", main, MainControl::HourBox);
  Print("toggle", main, MainControl::ToggleButton);
  Print("to_tray", main, MainControl::ToTrayButton);
  Print("exit", main, MainControl::ExitButton);
  Print("turn_off", wake_up_window::Layout(), WakeUpControl::TurnOffButton);
  return 0;
}
