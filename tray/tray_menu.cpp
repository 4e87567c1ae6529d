#include "tray/tray_menu.h"

namespace dawnquill {

void TrayMenu::Choose(TrayCommand command) {
  switch (command) {
    case TrayCommand::ShowHide:
      hidden_ ? ShowMainWindow() : HideMainWindow();
      break;
    case TrayCommand::Exit:
      parts_.exit();
      break;
  }
}

void TrayMenu::HideMainWindow() {
  if (parts_.icon.HasNotificationArea()) {
    parts_.mainView.Hide();
  } else {
    parts_.mainView.Minimise();
  }
  hidden_ = true;
}

void TrayMenu::StartHidden() {
  hidden_ = true;
  parts_.icon.AwaitNotificationArea(kNotificationAreaWait, [this](bool came) {
    if (!came) ShowMainWindow();
  });
}

void TrayMenu::ShowMainWindow() {
  parts_.mainView.Show();
  hidden_ = false;
}

}  // namespace dawnquill
