// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/reign_lock.h"

#include <fcntl.h>
#include <unistd.h>
#ifdef __EMSCRIPTEN__
#include <set>
#else
#include <sys/file.h>
#endif

#include <cerrno>
#include <string>

#ifdef __EMSCRIPTEN__
// WebAssembly has no flock. The program that embeds the game lends a lock of its own that
// every copy of the game sees, by name (the browser's page: a Web Lock, shared by its tabs),
// through these two functions; without one (the core's tests under Node.js), the copies are
// those of this process, and they keep each other out as flock would.
namespace {
std::set<std::string>& heldInThisProcess() {
  static std::set<std::string> held;
  return held;
}
}  // namespace

extern "C" __attribute__((weak)) int velmoran_take_lock(const char* name) {
  return heldInThisProcess().insert(name).second ? 1 : 0;
}

extern "C" __attribute__((weak)) void velmoran_release_lock(const char* name) {
  heldInThisProcess().erase(name);
}
#endif

namespace velmoran {

namespace {

// Whether the lock on the open lock file could be had at once.
bool lockAtOnce([[maybe_unused]] int fd, [[maybe_unused]] const std::string& name) {
#ifdef __EMSCRIPTEN__
  return velmoran_take_lock(name.c_str()) != 0;
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
  if (!lockAtOnce(fd, lockFile_.string())) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void ReignLock::release() {
  if (fd_ < 0) return;
#ifdef __EMSCRIPTEN__
  velmoran_release_lock(lockFile_.c_str());
#endif
  ::close(fd_);
  fd_ = -1;
}

}  // namespace velmoran
