// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "files/file_fault.h"

namespace velmoran {

// "velikost.dat", beside "data.dat": the size of the game's windows, in percent of the size
// the screens are laid out at (15 twips to a pixel), or 0 to let the game choose it by the
// screen.
inline constexpr char kWindowSizeFile[] = "velikost.dat";
inline constexpr int kSizeByTheScreen = 0;
inline constexpr int kSmallestWindowSize = 100;
inline constexpr int kLargestWindowSize = 300;

// Whether `percent` is a size the file may hold.
bool isWindowSize(long long percent);

// Empty if the file is missing, damaged or holds no size the game knows; then `fault`, when
// given, says why. The file holds one whole number; what follows it is ignored.
std::optional<int> readWindowSize(const std::filesystem::path& path, FileFault* fault = nullptr);
std::optional<int> parseWindowSize(std::string_view bytes);

// Replaces the file whole with the size and CR LF. False on any failure, with `fault` saying
// why; the old file then stays.
bool writeWindowSize(const std::filesystem::path& path, int percent, FileFault* fault = nullptr);

}  // namespace velmoran
