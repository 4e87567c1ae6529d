#include "tray/tray_callback.h"

#include "ui/main/frm_main_layout.h"

namespace dawnquill {

void TrayCallback::TrayReport(int mouseMessage) {
  if (mouseMessage == kLeftDoubleClick) {
    ShowMainWindow();
  } else if (mouseMessage == kRightButtonUp) {
    mainView_.PopupMenu(frm_main::menuTray);
  }
}

void TrayCallback::mnuTray_Click(int index) {
  if (index == kMenuShowHide) {
    if (IsHidden) {
      ShowMainWindow();
    } else {
      HideMainWindow();
    }
  } else if (index == kMenuExit) {
    mainWindow_.cmdEnd_Click();
  }
}

void TrayCallback::HideMainWindow() {
  if (shell_.HasNotificationArea()) {
    mainView_.Hide();
  } else {
    mainView_.Minimise();
  }
  IsHidden = true;
}

void TrayCallback::ShowMainWindow() {
  mainView_.Show();
  IsHidden = false;
}

}  // namespace dawnquill
