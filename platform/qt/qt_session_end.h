#pragma once

#include <functional>

#include <QObject>
#include <QSocketNotifier>

namespace dawnquill {

// The end of the user's session as the desktop announces it: SIGTERM (systemd and many Wayland
// sessions), SIGHUP (the terminal went away), SIGINT (Ctrl+C), or the X session manager's quit.
// Each runs `onEnd` once from the event loop, nested loops included; the signal handler itself
// only writes a byte to a pipe. One instance at a time; it restores the signals' defaults.
class SessionEnd final : public QObject {
 public:
  explicit SessionEnd(std::function<void()> onEnd);
  ~SessionEnd() override;
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void End();

  std::function<void()> onEnd_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  bool ended_ = false;
};

}  // namespace dawnquill
