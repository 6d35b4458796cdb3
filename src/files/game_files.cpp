// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/game_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/temporary_files.h"

namespace velmoran {

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kLargestGameFile = 1 << 20;
// As many links in a row as the system itself follows.
constexpr int kMostLinks = 40;

bool writeAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Everything the file holds, or empty on a read error or if it holds more than `limit` bytes.
// A regular file reads short only at its end, so a small file takes a single read.
std::optional<std::string> readAll(int fd, std::size_t limit) {
  std::string bytes;
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    bytes.append(chunk, static_cast<std::size_t>(n));
    if (bytes.size() > limit) return std::nullopt;
    if (static_cast<std::size_t>(n) < sizeof chunk) return bytes;
  }
}

// The file a path names once every symbolic link on its end is followed, whether that file
// exists or not; empty for a loop of links or an unreadable link.
std::optional<fs::path> linkTarget(fs::path path) {
  for (int i = 0; i < kMostLinks; ++i) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code ec;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return std::nullopt;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;
}

// Read-only means no write permission at all, even for an administrator who could write it.
bool isWritable(const fs::path& file, const struct stat& info) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(file.c_str(), W_OK) == 0;
}

// After a rename the folder itself must reach the disk for the new name to survive a crash.
// Some file systems cannot sync a folder; the file is replaced all the same.
void syncFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

// One open and one read, as a bare read of the file: the game reads a text every month. What
// is no regular file reads as whatever it gives at once (a folder gives an error, a FIFO
// nothing), so nothing in a file's place can make the game wait.
std::optional<std::string> readGameFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  auto bytes = readAll(fd, kLargestGameFile);
  ::close(fd);
  return bytes;
}

bool replaceGameFile(const fs::path& path, const std::string& bytes) {
  const auto target = linkTarget(path);
  if (!target) return false;
  struct stat info;
  const bool exists = ::lstat(target->c_str(), &info) == 0;
  if (exists && (!S_ISREG(info.st_mode) || !isWritable(*target, info))) return false;
  removeLeftoverTemporaryFiles(*target);

  fs::path temporary;
  const int fd = createTemporaryFile(*target, temporary);
  if (fd < 0) return false;
  const bool written = (!exists || ::fchmod(fd, info.st_mode & 0777) == 0) && writeAll(fd, bytes) &&
                       ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed && ::rename(temporary.c_str(), target->c_str()) == 0) {
    syncFolder(*target);
    return true;
  }
  ::unlink(temporary.c_str());
  return false;
}

void clearInterruptedWrites(const fs::path& path) {
  if (const auto target = linkTarget(path)) removeLeftoverTemporaryFiles(*target);
}

}  // namespace velmoran
