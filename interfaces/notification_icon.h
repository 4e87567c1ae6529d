#pragma once

#include <chrono>
#include <functional>
#include <string_view>

namespace dawnquill {

// The three tray pictures: a bell, and the bell struck through or ringing.
enum class TrayPicture { Armed, Off, Ringing };

class NotificationIconEvents;

// The program's one icon in the notification area: a picture with a tip.
class NotificationIcon {
 public:
  virtual ~NotificationIcon() = default;

  virtual void Add(TrayPicture picture, std::string_view tip) = 0;
  // Sent again unchanged at every tick; only a change need be drawn.
  virtual void Modify(TrayPicture picture, std::string_view tip) = 0;
  virtual void Delete() = 0;
  // False when the desktop has no notification area at all.
  virtual bool HasNotificationArea() const = 0;
  // Calls `done` once the notification area is there, at once if it is, with true, or with false
  // when `limit` has passed without one. The icon docks when the area comes, however late.
  virtual void SetEvents(NotificationIconEvents* events) = 0;
  virtual void AwaitNotificationArea(std::chrono::seconds limit,
                                     std::function<void(bool came)> done) = 0;
};

// What the user does with the icon.
class NotificationIconEvents {
 public:
  virtual ~NotificationIconEvents() = default;

  // The icon's primary action: a double click, or what the host takes for a click.
  virtual void Activated() = 0;
  // The icon's menu is asked for, where the program opens the menu itself.
  virtual void MenuRequested() = 0;
};

}  // namespace dawnquill
