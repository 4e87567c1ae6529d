#include "tray/tray_callback.h"

namespace dawnquill {

void TrayCallback::mnuTray_Click(int index) {
  if (index == kMenuShowHide) {
    if (IsHidden) {
      ShowMainWindow();
    } else {
      HideMainWindow();
    }
  } else if (index == kMenuExit) {
    parts_.exit();
  }
}

void TrayCallback::HideMainWindow() {
  if (parts_.icon.HasNotificationArea()) {
    parts_.mainView.Hide();
  } else {
    parts_.mainView.Minimise();
  }
  IsHidden = true;
}

void TrayCallback::ShowMainWindow() {
  parts_.mainView.Show();
  IsHidden = false;
}

}  // namespace dawnquill
