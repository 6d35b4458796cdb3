// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace velmoran {

// An advisory lock on one of the game's files while the object lives, taken on a lock file
// beside it ("best.dat.lock"): copies of the game that read, change and write the file take
// turns, so that none writes over what another has just written. Waits for the copy that holds
// it, a few seconds at most. Where no lock file can be opened, or the wait is too long, the
// write goes ahead unlocked: a score is better stored than lost.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace velmoran
