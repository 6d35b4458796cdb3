// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace velmoran::testing {

// Runs `body` in a child process of its own, a second copy of the game writing its files;
// its result is the child's exit status.
template <typename Body>
pid_t startChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  return pid;
}

// The child's exit status, or -1 if it did not exit by itself.
inline int waitForChild(pid_t pid) {
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace velmoran::testing
