// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace velmoran {

// The lock that the one copy of the game offering or playing the unfinished reign holds, on
// a lock file beside the reign's file ("rozehrana.dat.lock"): a second copy finds it taken and
// leaves the reign alone. The system releases it when its copy ends, killed or not, so a
// reign left by a killed copy is free again. In WebAssembly the program that embeds the game
// lends the lock (reign_lock.cpp): in a browser, every tab is a copy.
class ReignLock {
 public:
  explicit ReignLock(std::filesystem::path reignFile);
  ~ReignLock();
  ReignLock(const ReignLock&) = delete;
  ReignLock& operator=(const ReignLock&) = delete;

  // Takes the lock unless another copy holds it; never waits. True if this copy holds it.
  bool take();
  void release();
  bool held() const { return fd_ >= 0; }

 private:
  std::filesystem::path lockFile_;
  int fd_ = -1;
};

}  // namespace velmoran
