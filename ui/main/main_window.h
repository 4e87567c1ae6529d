#pragma once

#include "core/alarm.h"
#include "core/alarm_tick.h"
#include "core/window_roles.h"
#include "platform/settings_store.h"
#include "tray/tray_callback.h"
#include "tray/tray_icon.h"
#include "ui/form.h"

namespace dawnquill {

// The main window: start-up with the stored settings, the close that hides while the alarm is
// on, and the end of the program with the settings saved.
class MainWindow final : public Form, public TickWindow {
 public:
  static constexpr std::string_view kSection = "Settings";
  static constexpr std::string_view kHourKey = "Hour";
  static constexpr std::string_view kMinuteKey = "Minute";
  static constexpr std::string_view kSnoozeDelayKey = "SnoozeDelay";
  static constexpr std::int16_t kDefaultSnoozeDelay = 9;

  struct Parts {
    FormView& view;
    Alarm& alarm;
    AlarmTick& tick;
    TrayIcon& tray;
    TrayCallback& trayCallback;
    ModalWindow& wakeUpWindow;
    SettingsStore& settings;
    const Executable& executable;
  };

  explicit MainWindow(Parts parts) : Form(parts.view), parts_(parts) {}

  // Loads and shows the window. False when the program ended while loading, before the window
  // was ever seen: then there is no event loop to run.
  bool Start();

  void SetTickTimerEnabled(bool enabled) override;
  void Unload() override { UnloadForm(); }
  bool Unloaded() const override { return started_ && !Loaded(); }
  void cmdEnd_Click();

  void Click(std::string_view control) override;
  void Timer(std::string_view timer) override;
  void MenuClick(std::string_view menu, int index) override;
  bool SessionMayEnd() override;

 protected:
  void Form_Load() override;
  bool Form_QueryUnload(CloseReason reason) override;

 private:
  void SaveSettings();

  Parts parts_;
  bool started_ = false;
};

}  // namespace dawnquill
