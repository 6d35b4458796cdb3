// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/game_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "files/followed_links.h"
#include "files/temporary_files.h"

namespace velmoran {

namespace {

namespace fs = std::filesystem;

bool fail(FileFault* fault, FileFault why) {
  if (fault) *fault = why;
  return false;
}

bool failWithError(FileFault* fault) {
  return fail(fault, faultOfError(errno));
}

bool writeAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Everything the file holds, or empty on a read error or if it holds more than `limit` bytes;
// or, when `cut`, its first `limit` bytes. A regular file reads short only at its end, so a small
// file takes a single read.
std::optional<std::string> readAll(int fd, std::size_t limit, bool cut, FileFault* fault) {
  std::string bytes;
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      failWithError(fault);
      return std::nullopt;
    }
    bytes.append(chunk, static_cast<std::size_t>(n));
    if (bytes.size() > limit) {
      if (cut) return bytes.substr(0, limit);
      fail(fault, FileFault::TooLarge);
      return std::nullopt;
    }
    if (static_cast<std::size_t>(n) < sizeof chunk) return bytes;
  }
}

FileStamp stampOf(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::uint64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
          static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

// One open, one status of the opened file and one read, as few calls as a bare read of the file
// allows: the game reads a text every month. What is no regular file reads as nothing, so
// nothing in a file's place can make the game wait. A file whose status matches `known` is not
// read again: its bytes come back empty, and `stamp` says it is the same.
std::optional<std::string> readRegular(const char* path, std::size_t limit, bool cut,
                                       FileFault* fault, const FileStamp* known = nullptr,
                                       FileStamp* stamp = nullptr) {
  const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    fail(fault, errno == EACCES ? FileFault::NotReadable : faultOfError(errno));
    return std::nullopt;
  }
  struct stat info;
  std::optional<std::string> bytes;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    fail(fault, FileFault::NotAFile);
  } else {
    if (stamp) *stamp = stampOf(info);
    bytes = known && *known == stampOf(info) ? std::string() : readAll(fd, limit, cut, fault);
  }
  ::close(fd);
  return bytes;
}

// Read-only means no write permission at all, even for an administrator who could write it.
bool isWritable(const fs::path& file, const struct stat& info) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(file.c_str(), W_OK) == 0;
}

// A link is followed only where the player meant it: their own link, to a file of the kind
// being written, or to no file yet.
bool mayWriteThrough(const FollowedLinks& links, bool exists, FileKindCheck readsAsKind) {
  if (!links.throughLink) return true;
  if (!links.allOurs) return false;
  if (!exists || !readsAsKind) return true;
  const auto bytes = readGameFile(links.target);
  return bytes && readsAsKind(*bytes);
}

// The replacement is the replaced file's: its owner and group where the game may set them (an
// administrator may, the owner may keep a group of theirs), its permissions always.
bool takeOverOwnership(int fd, const struct stat& replaced) {
  if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
    // Not allowed the owner: the group alone, if it is one of ours; if not, the player's own.
    [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
  }
  return ::fchmod(fd, replaced.st_mode & 07777) == 0;
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

// The bytes of a write on the disk under a temporary name of their own beside `target`, or
// empty, with the temporary file gone. A replacement takes over what `replaced` says of the
// file it replaces.
std::optional<fs::path> writeTemporary(const fs::path& target, const std::string& bytes,
                                       const struct stat* replaced, FileFault* fault) {
  fs::path temporary;
  const int fd = createTemporaryFile(target, temporary);
  if (fd < 0) {
    fail(fault, errno == ENOENT || errno == ENOTDIR ? FileFault::NoFolder : faultOfError(errno));
    return std::nullopt;
  }
  const bool written =
      (!replaced || takeOverOwnership(fd, *replaced)) && writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (written && closed) return temporary;
  // A write that went wrong says why; after it, the close does.
  const int error = written ? errno : writeError;
  ::unlink(temporary.c_str());
  fail(fault, faultOfError(error));
  return std::nullopt;
}

// The temporary file under the new name, unless something has that name. A hard link takes the
// name only where it is free, even against another copy of the game; where the file system has
// no hard links, a look comes before the rename.
bool publishNew(const fs::path& temporary, const fs::path& path, FileFault* fault) {
  if (::link(temporary.c_str(), path.c_str()) == 0) return true;
  if (errno == EEXIST) return fail(fault, FileFault::Exists);
  if (errno != EMLINK && errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP) {
    return failWithError(fault);
  }
  struct stat info;
  if (::lstat(path.c_str(), &info) == 0) return fail(fault, FileFault::Exists);
  return ::rename(temporary.c_str(), path.c_str()) == 0 || failWithError(fault);
}

bool replace(const fs::path& path, const std::string& bytes, FileKindCheck readsAsKind,
             bool clearLeftovers, FileFault* fault) {
  const auto links = followLinks(path);
  if (!links) return fail(fault, FileFault::LinkNotFollowed);
  const fs::path& target = links->target;
  struct stat info;
  const bool exists = ::lstat(target.c_str(), &info) == 0;
  if (!mayWriteThrough(*links, exists, readsAsKind)) return fail(fault, FileFault::LinkNotFollowed);
  if (exists && !S_ISREG(info.st_mode)) return fail(fault, FileFault::NotAFile);
  if (exists && !isWritable(target, info)) return fail(fault, FileFault::ReadOnly);
  if (clearLeftovers) removeLeftoverTemporaryFiles(target);

  const auto temporary = writeTemporary(target, bytes, exists ? &info : nullptr, fault);
  if (!temporary) return false;
  if (::rename(temporary->c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary->c_str());
    return fail(fault, faultOfError(error));
  }
  syncFolder(target);
  return true;
}

}  // namespace

std::optional<std::string> readGameFile(const fs::path& path, FileFault* fault) {
  return readRegular(path.c_str(), kLargestGameFile, false, fault);
}

std::optional<std::string> readGameFileAt(const std::string& path, FileFault* fault) {
  return readRegular(path.c_str(), kLargestGameFile, false, fault);
}

std::optional<std::string> readGameFileUnlessKnown(const std::string& path, const FileStamp* known,
                                                   FileStamp& stamp, FileFault* fault) {
  return readRegular(path.c_str(), kLargestGameFile, false, fault, known, &stamp);
}

std::optional<std::string> readRegularFile(const fs::path& path, std::size_t largest,
                                           FileFault* fault) {
  return readRegular(path.c_str(), largest, false, fault);
}

std::optional<std::string> readFileStart(const fs::path& path, std::size_t count,
                                         FileFault* fault) {
  return readRegular(path.c_str(), count, true, fault);
}

bool replaceGameFile(const fs::path& path, const std::string& bytes, FileKindCheck readsAsKind,
                     FileFault* fault) {
  return replace(path, bytes, readsAsKind, true, fault);
}

bool replaceFile(const fs::path& path, const std::string& bytes, FileFault* fault) {
  return replace(path, bytes, nullptr, false, fault);
}

bool createFile(const fs::path& path, const std::string& bytes, FileFault* fault) {
  struct stat info;
  if (::lstat(path.c_str(), &info) == 0) return fail(fault, FileFault::Exists);
  const auto temporary = writeTemporary(path, bytes, nullptr, fault);
  if (!temporary) return false;
  const bool published = publishNew(*temporary, path, fault);
  // After a link the temporary name goes; after a rename it has gone already.
  ::unlink(temporary->c_str());
  if (published) syncFolder(path);
  return published;
}

void clearInterruptedWrites(const fs::path& path) {
  if (const auto links = followLinks(path)) removeLeftoverTemporaryFiles(links->target);
}

void clearInterruptedWritesIn(const fs::path& folder, bool (*isGameFile)(std::string_view name)) {
  removeLeftoverTemporaryFilesIn(folder, isGameFile);
}

}  // namespace velmoran
