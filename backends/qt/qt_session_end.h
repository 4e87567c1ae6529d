#pragma once

#include <functional>

#include <QObject>
#include <QSocketNotifier>

namespace dawnquill {

// The end of the user's session as the desktop announces it: SIGTERM (systemd and many Wayland
// sessions), SIGHUP (the terminal went away), SIGINT (Ctrl+C), or the X session manager's quit.
// Each runs `onEnd` once from the event loop, nested loops included; the signal handler itself
// only writes a byte to a pipe. None of them can be refused; the session manager asks first,
// and is told to ask the user when `mayEnd` says no. One instance at a time; it restores the
// signals' defaults.
class SessionEnd final : public QObject {
 public:
  SessionEnd(std::function<bool()> mayEnd, std::function<void()> onEnd);
  ~SessionEnd() override;
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void End();

  std::function<bool()> mayEnd_;
  std::function<void()> onEnd_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  bool ended_ = false;
};

}  // namespace dawnquill
