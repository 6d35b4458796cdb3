// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/followed_links.h"

#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace velmoran {

namespace {

// As many links in a row as the system itself follows.
constexpr int kMostLinks = 40;

}  // namespace

std::optional<FollowedLinks> followLinks(std::filesystem::path path) {
  FollowedLinks followed;
  for (int i = 0; i < kMostLinks; ++i) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      followed.target = path;
      return followed;
    }
    followed.throughLink = true;
    followed.allOurs = followed.allOurs && info.st_uid == ::geteuid();
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) return std::nullopt;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;
}

}  // namespace velmoran
