#pragma once

#include "core/alarm.h"
#include "core/alarm_driver.h"
#include "core/alarm_tick.h"
#include "core/window_roles.h"
#include "interfaces/desktop_notice.h"
#include "interfaces/message_box.h"
#include "interfaces/settings_store.h"
#include "tray/tray_icon.h"
#include "tray/tray_menu.h"
#include "ui/form.h"

namespace dawnquill {

// The main window: start-up with the stored settings, the close that hides while the alarm is
// on, and the end of the program with the settings saved.
class MainWindow final : public Form, public TickWindow {
 public:
  struct Collaborators {
    FormView& view;
    Alarm& alarm;
    AlarmDriver& driver;
    AlarmTick& tick;
    TrayIcon& tray;
    TrayMenu& trayMenu;
    ModalWindow& wakeUpWindow;
    SettingsStore& settings;
    MessageBoxes& messageBoxes;  // for settings the store would not take
    DesktopNotice& notice;       // the same, at an end that nobody may be there to answer
  };

  explicit MainWindow(Collaborators with) : Form(with.view), with_(with) {}

  // How the program starts: with its window, or in the notification area alone, as at a sign-in.
  enum class StartShown { Window, InTray };

  // Opens the window with the stored settings and shows it, unless it starts in the tray. False
  // when the program ended while opening, before the window was ever seen: then there is no event
  // loop to run.
  bool Start(StartShown shown = StartShown::Window);

  void SetTickTimerEnabled(bool enabled) override;
  void Close() override { CloseAsProgram(); }
  bool Closed() const override { return started_ && !IsOpen(); }
  // Turns the alarm off and ends the program, with the settings saved.
  void Exit();
  void ToTray() { with_.trayMenu.HideMainWindow(); }

  void Click(ControlId control) override;
  void Timer(ControlId timer) override;
  bool SessionMayEnd() override;

 protected:
  void OnOpen() override;
  CloseVerdict OnCloseRequest(CloseReason reason) override;

 private:
  void SaveSettings(CloseReason reason);

  Collaborators with_;
  bool started_ = false;
};

}  // namespace dawnquill
