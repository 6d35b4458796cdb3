// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/reign_lock.h"

#include <fcntl.h>
#include <unistd.h>
#ifndef __EMSCRIPTEN__
#include <sys/file.h>
#endif

#include <cerrno>
#include <string>

namespace velmoran {

namespace {

// Whether the lock on the open lock file could be had at once.
bool lockAtOnce([[maybe_unused]] int fd) {
#ifdef __EMSCRIPTEN__
  return true;  // one page plays one game: there is no second copy to keep out
#else
  int result = 0;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result == 0;
#endif
}

}  // namespace

ReignLock::ReignLock(std::filesystem::path reignFile) : lockFile_(reignFile.string() + ".lock") {}

ReignLock::~ReignLock() {
  release();
}

// Opened for reading only, never through a link and never waiting on a FIFO in its place, so
// that a lock file made by one player serves every other player of the same folder.
bool ReignLock::take() {
  if (held()) return true;
  const int fd =
      ::open(lockFile_.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  if (!lockAtOnce(fd)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void ReignLock::release() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
}

}  // namespace velmoran
