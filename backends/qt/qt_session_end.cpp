#include "backends/qt/qt_session_end.h"

#include <array>
#include <csignal>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

#include <fcntl.h>
#include <unistd.h>

namespace dawnquill {
namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};
int writeEnd = -1;  // the only thing the handler touches

extern "C" void OnSignal(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
}

}  // namespace

SessionEnd::SessionEnd(std::function<bool()> mayEnd, std::function<void()> onEnd)
    : mayEnd_(std::move(mayEnd)), onEnd_(std::move(onEnd)) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) == 0) {
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
      char bytes[16];
      while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
      }
      End();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) sigaction(signal, &action, nullptr);
  }
  QCoreApplication::instance()->installEventFilter(this);
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
      if (!mayEnd_() && manager.allowsInteraction()) {
        manager.cancel();
        manager.release();
      }
    });
  }
}

SessionEnd::~SessionEnd() {
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  writeEnd = -1;
  delete notifier_;
  for (const int fd : pipe_) {
    if (fd >= 0) ::close(fd);
  }
}

// The session manager's "die" reaches Qt as a quit of the application, which would first ask
// every window to close; the main window may refuse that, and at the end of a session it must
// not.
bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
  End();
  return true;
}

void SessionEnd::End() {
  if (ended_) return;
  ended_ = true;
  onEnd_();
}

}  // namespace dawnquill
