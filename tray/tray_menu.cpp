#include "tray/tray_menu.h"

namespace dawnquill {

void TrayMenu::Choose(TrayCommand command) {
  switch (command) {
    case TrayCommand::ShowHide:
      hidden_ ? ShowMainWindow() : HideMainWindow();
      break;
    case TrayCommand::Exit:
      targets_.exit();
      break;
  }
}

void TrayMenu::HideMainWindow() {
  if (targets_.icon.HasNotificationArea()) {
    targets_.mainView.Hide();
  } else {
    targets_.mainView.Minimise();
  }
  hidden_ = true;
}

void TrayMenu::StartHidden() {
  hidden_ = true;
  targets_.icon.AwaitNotificationArea(kNotificationAreaWait, [this](bool came) {
    if (!came) ShowMainWindow();
  });
}

void TrayMenu::ShowMainWindow() {
  targets_.mainView.Show();
  hidden_ = false;
}

}  // namespace dawnquill
