// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took until its first window was mapped, and its
// peak memory once it has run for a while longer:
//
//   first_window SETTLE_MS FOLDER PROGRAM [ARGUMENT...]
//
// prints "<milliseconds to the first window> <peak resident KiB>". The program runs in
// FOLDER; it is ended with SIGTERM SETTLE_MS after its first window appeared.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr int kPatienceMs = 60000;

bool waitForFirstMap(Display* display) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) return true;
    }
    if (std::chrono::steady_clock::now() > deadline) return false;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, 100);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: first_window SETTLE_MS FOLDER PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "first_window: no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto started = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(argv[2]) != 0) _exit(127);
    execv(argv[3], argv + 3);
    _exit(127);
  }
  const bool mapped = waitForFirstMap(display);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  if (mapped) std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[1])));
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!mapped) {
    std::fprintf(stderr, "first_window: %s showed no window\n", argv[3]);
    return 1;
  }
  std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
