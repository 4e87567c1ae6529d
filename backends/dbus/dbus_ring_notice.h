#pragma once

#include <QDBusConnection>
#include <QObject>

#include "interfaces/ring_notice.h"

namespace dawnquill {

// The ring as a desktop notification (org.freedesktop.Notifications): critical, with the
// program's icon and the two actions. Every call is asynchronous, so a bus that must first start a
// notification server never holds the ring up; where none runs, nothing happens.
class DBusRingNotice final : public QObject, public RingNotice {
  Q_OBJECT

 public:
  DBusRingNotice(QDBusConnection bus, QString appId);

  void SetEvents(RingNoticeEvents* events) { events_ = events; }
  void Show(std::string_view time) override;
  void Close() override;

 private Q_SLOTS:
  void ActionInvoked(uint id, const QString& key);

 private:
  void CloseNotification(uint id);

  QDBusConnection bus_;
  QString appId_;
  RingNoticeEvents* events_ = nullptr;
  bool shown_ = false;  // between Show and Close, whether or not the server has answered yet
  uint id_ = 0;         // the server's number for it, once it has answered
};

}  // namespace dawnquill
