// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

namespace velmoran {

namespace {

// A copy holds the lock for one read and one write. One that holds it for longer has stopped
// in the middle (a debugger, a suspended terminal): the game goes on without the lock rather
// than freeze at the end of a reign.
constexpr auto kLongestWait = std::chrono::seconds(10);
constexpr auto kRetry = std::chrono::milliseconds(5);

}  // namespace

// Opened for reading only, so that a lock file made by one user serves every other player of
// the same folder; never through a link, and never waiting on a FIFO planted in its place.
FileLock::FileLock(const std::filesystem::path& file) {
  const std::string lockFile = file.string() + ".lock";
  fd_ = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  const auto giveUp = std::chrono::steady_clock::now() + kLongestWait;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR) &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(kRetry);
  }
}

// Closing the file releases the lock.
FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace velmoran
