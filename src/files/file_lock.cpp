// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace velmoran {

// Opened for reading only, so that a lock file made by one user serves every other player of
// the same folder; never through a link, and never waiting on a FIFO planted in its place.
FileLock::FileLock(const std::filesystem::path& file) {
  const std::string lockFile = file.string() + ".lock";
  fd_ = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Closing the file releases the lock.
FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace velmoran
