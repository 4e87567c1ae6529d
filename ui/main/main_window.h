#pragma once

#include "core/alarm_driver.h"
#include "core/window_roles.h"
#include "tray/tray_menu.h"
#include "ui/form.h"

namespace dawnquill {

// The main window: what the user does in it goes to the alarm, and its end is the program's.
class MainWindow final : public Form, public ProgramWindow {
 public:
  MainWindow(FormView& view, AlarmDriver& driver, TrayMenu& trayMenu)
      : Form(view), driver_(driver), trayMenu_(trayMenu) {}

  // Opens the window with the stored settings, and shows it once no prompt for a player is up,
  // unless it starts in the tray. False when the program ended while opening, before the window
  // was ever seen: then there is no event loop to run.
  bool Start(StartShown shown = StartShown::Window);

  void End() override { CloseNow(); }
  bool Closed() const { return started_ && !IsOpen(); }
  // Turns the alarm off and ends the program, with the settings saved.
  void Exit() { driver_.Exit(); }

  void Click(ControlId control) override;
  void Timer(ControlId timer) override;
  bool SessionMayEnd() override { return driver_.SessionMayEnd(); }

 protected:
  void OnOpen() override;
  // The alarm decides: it hides the window while it is on, and ends the program otherwise.
  CloseVerdict OnCloseRequest(CloseReason reason) override;

 private:
  AlarmDriver& driver_;
  TrayMenu& trayMenu_;
  StartShown shown_ = StartShown::Window;
  bool started_ = false;
};

}  // namespace dawnquill
