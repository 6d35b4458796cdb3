// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

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

struct OtherUser {
  uid_t uid;
  gid_t gid;
};

// A second user, to own what a test plants or to play as: only an administrator can have one.
inline std::optional<OtherUser> otherUser() {
  const passwd* nobody = ::getpwnam("nobody");
  if (::geteuid() != 0 || !nobody) return std::nullopt;
  const group* nogroup = ::getgrnam("nogroup");
  return OtherUser{nobody->pw_uid, nogroup ? nogroup->gr_gid : nobody->pw_gid};
}

// Runs `body` in a child process as `user`, who may read and write only what is theirs; the
// result is the child's exit status, 99 if it could not become that user.
template <typename Body>
int runAs(const OtherUser& user, Body body) {
  return waitForChild(startChild([&] {
    if (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0) {
      return 99;
    }
    return body();
  }));
}

}  // namespace velmoran::testing
