// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "files/game_files.h"

namespace velmoran {

// Far more than any sound of the game; a larger file is not read at all.
constexpr std::size_t kLargestSoundFile = 4 * 1024 * 1024;

// The bytes of a sound file, read only when it is a regular file of at most
// kLargestSoundFile bytes (a link to one counts). It is opened without waiting, so a pipe or
// a device under the sound's name is refused at once instead of holding up the game. Empty
// for anything else: a missing sound is silent and never reported.
inline std::optional<std::string> readSoundFile(const std::filesystem::path& path) {
  return readRegularFile(path, kLargestSoundFile);
}

}  // namespace velmoran
