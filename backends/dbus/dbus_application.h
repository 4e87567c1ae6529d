#pragma once

#include <functional>

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

namespace dawnquill {

// One program per session, the freedesktop way: the first start owns the application id on the
// session bus and serves org.freedesktop.Application at the path made from it. A later start
// finds the name taken and asks the first to come forward instead. Without a session bus there
// is no guard.
class DBusApplication final : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

 public:
  enum class Claim { First, Taken };

  DBusApplication(QDBusConnection bus, QString appId);

  // Serves the interface and asks for the name; Taken when another program owns it.
  Claim ClaimSession();
  // Asks the program that owns the name to bring its window forward, handing on the launcher's
  // activation token: two calls, each within the call limit.
  void BringFirstForward();
  // What Activate does in the first program.
  void SetOnActivate(std::function<void()> activate) { activate_ = std::move(activate); }

 public Q_SLOTS:
  Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
  Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
  Q_SCRIPTABLE void ActivateAction(const QString& name, const QVariantList& parameter,
                                   const QVariantMap& platformData);

 private:
  QDBusConnection bus_;
  QString appId_;
  QString path_;
  std::function<void()> activate_;
};

}  // namespace dawnquill
