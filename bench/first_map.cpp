// Starts a program and prints, once its first top-level window is mapped, its PID and the
// milliseconds from the exec to that moment. The program is left running, its own output thrown
// away so that nothing it prints is read as these figures.
//   first_map PROGRAM [ARGS...]
#include <chrono>
#include <cstdio>

#include <X11/Xlib.h>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_map PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (const int null = open("/dev/null", O_WRONLY); null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) break;
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%d %.1f\n", static_cast<int>(pid), took.count());
  XCloseDisplay(display);
  return 0;
}
