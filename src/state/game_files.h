#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmoran {

// Whole content of a regular file, or empty if it is missing, unreadable or larger than any
// file of the game can be.
std::optional<std::string> readGameFile(const std::filesystem::path& path);

// Replaces the file whole: the bytes go to a temporary file beside it, which then takes the
// file's place, so a failure never leaves a damaged file. False on any failure.
bool replaceGameFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace velmoran
