// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmoran {

// Whole content of a file, or empty if it is missing, unreadable (a folder) or larger than any
// file of the game can be. Never waits on what lies in a file's place (a FIFO reads empty).
std::optional<std::string> readGameFile(const std::filesystem::path& path);

// Replaces the file whole. The bytes go to a temporary file of this write's own beside the
// file, reach the disk, and the temporary file then takes the file's place; so a reader, a
// second copy of the game or a crash finds the old file or the new one, never a part of one.
// A symbolic link stays a link: the file it points to is replaced. The file keeps its
// permissions, and a file the player may not write (read-only) is left alone. False on any
// failure, with the file as it was.
bool replaceGameFile(const std::filesystem::path& path, const std::string& bytes);

// Removes what writes of this file left behind when their copy of the game was killed in the
// middle of one. Harmless to a copy of the game that is writing the file at the same moment.
void clearInterruptedWrites(const std::filesystem::path& path);

}  // namespace velmoran
