// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <initializer_list>

namespace velmoran {

namespace {

volatile sig_atomic_t caught = 0;
int wakeUp[2] = {-1, -1};

void onStopSignal(int signal) {
  const int saved = errno;
  caught = signal;
  if (wakeUp[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
  }
  errno = saved;
}

}  // namespace

void catchStopSignals() {
  if (wakeUp[0] < 0 && ::pipe(wakeUp) == 0) {
    for (const int end : wakeUp) {
      ::fcntl(end, F_SETFD, FD_CLOEXEC);
      ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
  }
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a read waiting for the player returns
  for (const int signal : {SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

int caughtStopSignal() {
  return caught;
}

int stopSignalDescriptor() {
  return wakeUp[0];
}

void endBySignal(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
  ::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace velmoran
