#pragma once

#include <memory>

#include <QDBusConnection>
#include <QObject>

#include "interfaces/desktop_notice.h"
#include "interfaces/ring_notice.h"

class OrgFreedesktopNotificationsInterface;

namespace dawnquill {

// The ring as a desktop notification (org.freedesktop.Notifications): critical, with the
// program's icon and the two actions. Its calls are asynchronous, so a bus that must first start a
// notification server never holds the ring up; where none runs, nothing happens. It also tells
// what the program cannot ask in a box.
class DBusRingNotice final : public QObject, public RingNotice, public DesktopNotice {
  Q_OBJECT

 public:
  DBusRingNotice(const QDBusConnection& bus, QString appId);
  ~DBusRingNotice() override;

  void SetEvents(RingNoticeEvents* events) override { events_ = events; }
  void Show(std::string_view time, Answered answered) override;
  void Close() override;
  // Waits for the server's answer, within the bound of any call: the program may end next.
  Result<> Tell(std::string_view text) override;

 private:
  void ActionInvoked(uint id, const QString& key);
  void CloseNotification(uint id);

  std::unique_ptr<OrgFreedesktopNotificationsInterface> server_;
  QString appId_;
  RingNoticeEvents* events_ = nullptr;
  bool shown_ = false;  // between Show and Close, whether or not the server has answered yet
  uint id_ = 0;         // the server's number for it, once it has answered
};

}  // namespace dawnquill
