#pragma once

#include <QString>

#include "interfaces/sign_in_start.h"

namespace dawnquill {

// The start at sign-in by the XDG autostart rules: a desktop entry in the user's autostart
// folder that starts the program in the tray. Its file name is the program's own, since the
// desktops' autostart settings write the application's desktop id there when the user adds the
// program; while that entry of the user's starts it, none is written.
class XdgSignInStart final : public SignInStart {
 public:
  // The entry is named after appId; it runs `executable` with the in-tray option.
  XdgSignInStart(QString appId, QString executable);

  Result<> Enable() override;
  Result<> Disable() override;

  QString EntryPath() const;

 private:
  QString Folder() const;
  bool UserStartsIt() const;

  QString appId_;
  QString executable_;
};

}  // namespace dawnquill
