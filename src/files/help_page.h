// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmoran {

// The address of the help page that comes with the game, napoveda.html in its shipped
// folder: a file URL the player's browser opens.
std::string helpPageAddress(const std::filesystem::path& shipped);

// The most the help window takes of one file: the page, or one of its pictures.
inline constexpr std::size_t kLargestHelpFile = 4 << 20;

// A file the help page names, as the help window may load it: a regular file of at most
// kLargestHelpFile bytes that lies, once its links are followed, within one of `folders` (the
// game's and the installation's). Empty for anything else: a file elsewhere, a folder, a pipe
// or a device, which is never waited on.
std::optional<std::string> readHelpFile(const std::filesystem::path& file,
                                        const std::vector<std::filesystem::path>& folders);

}  // namespace velmoran
