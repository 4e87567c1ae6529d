#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include <windows.h>

#include <shellapi.h>

#include "interfaces/notification_icon.h"

namespace dawnquill {

// The notification-area icon through Shell_NotifyIconW, in the record's first layout whose tip
// holds 128 characters with its end, room for a translated tip. The shell reports the mouse over
// the icon to a hidden window of this object's as the callback message (the mouse-move message
// number), with the mouse event's own number in lParam.
class Win32NotifyIcon final : public NotificationIcon {
 public:
  static constexpr UINT kId = 1;
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

  explicit Win32NotifyIcon(HINSTANCE instance);
  ~Win32NotifyIcon() override;
  Win32NotifyIcon(const Win32NotifyIcon&) = delete;
  Win32NotifyIcon& operator=(const Win32NotifyIcon&) = delete;

  void SetEvents(NotificationIconEvents* events) override { events_ = events; }

  void Add(TrayPicture picture, std::string_view tip) override;
  void Modify(TrayPicture picture, std::string_view tip) override;
  void Delete() override;
  bool HasNotificationArea() const override { return hasArea_; }
  void AwaitNotificationArea(std::chrono::seconds limit,
                             std::function<void(bool came)> done) override;

  // The record as the shell is handed it: the tip is the text, one NUL, then spaces.
  NOTIFYICONDATAW Record(TrayPicture picture, std::string_view tip) const;
  HICON Icon(TrayPicture picture) const { return icons_.at(picture); }
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void EndWait(bool came);

  HWND window_ = nullptr;
  std::map<TrayPicture, HICON> icons_;
  NotificationIconEvents* events_ = nullptr;
  NOTIFYICONDATAW shown_{};  // the record last sent, for adding the icon again
  bool added_ = false;
  bool hasArea_ = true;                             // until an add fails
  std::vector<std::function<void(bool)>> waiting_;  // the waits for the area, while they last
};

}  // namespace dawnquill
