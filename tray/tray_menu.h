#pragma once

#include <chrono>
#include <functional>

#include "interfaces/form_view.h"
#include "interfaces/notification_icon.h"

namespace dawnquill {

// How long a program started with the session waits for the notification area, which the
// desktop may start after it, before it shows its window instead.
inline constexpr std::chrono::seconds kNotificationAreaWait{30};

// The commands of the icon's menu.
enum class TrayCommand { ShowHide, Exit };

// What the notification icon's clicks and menu do: bring the main window back, hide it to the
// tray, or end the program.
class TrayMenu final : public NotificationIconEvents {
 public:
  struct Targets {
    FormView& mainView;
    ControlId menu;  // the main window's menu that the icon pops up
    NotificationIcon& icon;
    std::function<void()> exit;  // the "Exit" command
  };

  explicit TrayMenu(Targets targets) : targets_(std::move(targets)) {}

  void Activated() override { ShowMainWindow(); }
  void MenuRequested() override { targets_.mainView.OpenMenu(targets_.menu); }
  void Choose(TrayCommand command);

  // Every hide the program makes. Without a notification area nothing could bring a hidden
  // window back, so it is minimised instead and stays on the task bar.
  void HideMainWindow();
  void ShowMainWindow();
  // A start at sign-in: the window stays hidden while the notification area comes, and is shown
  // only when none has come within kNotificationAreaWait, as nothing else could bring it back.
  void StartHidden();

 private:
  Targets targets_;
  bool hidden_ = false;  // what the program itself last did with the window, not its visibility
};

}  // namespace dawnquill
