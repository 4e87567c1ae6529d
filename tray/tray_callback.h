#pragma once

#include <functional>
#include <string_view>

#include "platform/form_view.h"
#include "platform/notification_icon.h"

namespace dawnquill {

// Hiding the main window to the tray and bringing it back: the "To tray" button, the icon and its
// menu.
class TrayCallback final : public NotificationIconEvents {
 public:
  static constexpr int kMenuShowHide = 0;
  static constexpr int kMenuExit = 2;

  struct Parts {
    FormView& mainView;
    std::string_view trayMenu;  // the main window's menu that the icon pops up
    const NotificationIcon& icon;
    std::function<void()> exit;  // the "Exit" command
  };

  explicit TrayCallback(Parts parts) : parts_(std::move(parts)) {}

  void Activated() override { ShowMainWindow(); }
  void MenuRequested() override { parts_.mainView.PopupMenu(parts_.trayMenu); }
  void mnuTray_Click(int index);
  void cmdToTray_Click() { HideMainWindow(); }

  // Every hide the program makes. Without a notification area nothing could bring a hidden
  // window back, so it is minimised instead and stays on the task bar.
  void HideMainWindow();
  void ShowMainWindow();

  // What the program itself last did with the main window; not its real visibility.
  bool IsHidden = false;

 private:
  Parts parts_;
};

}  // namespace dawnquill
