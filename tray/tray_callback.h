#pragma once

#include "core/windows.h"
#include "platform/form_view.h"
#include "platform/notify_icon.h"

namespace dawnquill {

// Hiding the main window to the tray and bringing it back: the "To tray" button, the icon's
// reports and the tray menu.
class TrayCallback final : public NotifyIconEvents {
 public:
  static constexpr int kLeftDoubleClick = 0x0203;  // 515
  static constexpr int kRightButtonUp = 0x0205;    // 517
  static constexpr int kMenuShowHide = 0;
  static constexpr int kMenuExit = 2;

  TrayCallback(FormView& mainView, MainWindow& mainWindow, const NotifyIcon& shell)
      : mainView_(mainView), mainWindow_(mainWindow), shell_(shell) {}

  void TrayReport(int mouseMessage) override;
  void mnuTray_Click(int index);
  void cmdToTray_Click() { HideMainWindow(); }

  // Every hide the program makes. Without a notification area nothing could bring a hidden
  // window back, so it is minimised instead and stays on the task bar.
  void HideMainWindow();
  void ShowMainWindow();

  // What the program itself last did with the main window; not its real visibility.
  bool IsHidden = false;

 private:
  FormView& mainView_;
  MainWindow& mainWindow_;
  const NotifyIcon& shell_;
};

}  // namespace dawnquill
