#pragma once

#include <cstdint>
#include <string>

#include "core/windows.h"
#include "platform/form_view.h"
#include "platform/message_box.h"
#include "player/winamp_control.h"
#include "tray/tray_icon.h"

namespace dawnquill {

enum class AlarmState : std::int32_t { Off = 0, Armed = 1, Ringing = 2, Snoozing = 3 };

// The alarm: its state and times, and the four procedures that change the state together with
// everything the user sees of it: the main window's texts and inputs, the tray, the player and
// the wake-up window.
class Global {
 public:
  struct Parts {
    FormView& mainWindow;
    TrayIcon& tray;
    WinampControl& player;
    WakeUpWindow& wakeUpWindow;
    MessageBoxes& messageBoxes;
    std::string decimalSeparator;  // of the user's locale, for the numbers written back
  };

  explicit Global(Parts parts) : parts_(std::move(parts)) {}

  void TurnAlarmOn();
  void TurnAlarmOff();
  void StartSnooze();
  void RingAlarm();
  void cmdToggleAlarm_Click();

  // Whether the last tick's time is the armed or snoozed time.
  bool RingIsDue() const;

  const std::string& DecimalSeparator() const { return parts_.decimalSeparator; }

  dawnquill::AlarmState AlarmState = dawnquill::AlarmState::Off;
  std::int16_t AlarmHour = 0;
  std::int16_t AlarmMinute = 0;
  std::int16_t NowHour = 0;
  std::int16_t NowMinute = 0;
  std::int16_t SnoozeHour = 0;
  std::int16_t SnoozeMinute = 0;
  std::int16_t SnoozeDelay = 0;

 private:
  double NormaliseTimeField(std::string_view comboBox);
  void SetInputsEnabled(bool enabled);
  void Warn(std::string_view message);
  void ShowState(const std::string& text, int picture);

  Parts parts_;
};

}  // namespace dawnquill
