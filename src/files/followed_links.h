// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace velmoran {

// Where a path leads once every symbolic link on its end is followed.
struct FollowedLinks {
  std::filesystem::path target;  // the file itself, whether it exists or not
  bool throughLink = false;      // at least one link was followed
  bool allOurs = true;           // every link followed belongs to the user running the game
};

// Empty for a loop of links or an unreadable link.
std::optional<FollowedLinks> followLinks(std::filesystem::path path);

}  // namespace velmoran
