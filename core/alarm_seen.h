#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/alarm.h"
#include "core/window_roles.h"
#include "interfaces/message_box.h"
#include "tray/tray_icon.h"

namespace dawnquill {

// What the user sees of the alarm: the main window's boxes, toggle and status, the tray, the
// boxes that warn, and the wake-up window held open while it rings.
class AlarmSeen {
 public:
  AlarmSeen(AlarmControls& controls, TrayIcon& tray, MessageBoxes& boxes, ModalWindow& ring)
      : controls_(controls), tray_(tray), boxes_(boxes), ring_(ring) {}

  ArmingTexts Typed() const;
  void Rewrite(const std::array<std::optional<std::string>, 3>& texts);
  // What the user must hear: "Error" where the boxes could not arm, the program's name for the
  // rest.
  void Warn(std::string_view text, std::string_view title);
  void FollowInputs(const Alarm& alarm);
  void Show(const Alarm& alarm);
  // Returns once the ring has been answered.
  void HoldRing() { ring_.ShowModal(); }
  void CloseRing() { ring_.Close(); }

 private:
  AlarmControls& controls_;
  TrayIcon& tray_;
  MessageBoxes& boxes_;
  ModalWindow& ring_;
};

}  // namespace dawnquill
