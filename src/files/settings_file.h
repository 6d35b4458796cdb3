// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "files/file_fault.h"

namespace velmoran {

// The three display options of the info panel, as stored in "data.dat": each option is on
// when its stored value is 0.
struct DisplaySettings {
  bool boldInfoText = false;
  bool whiteOnBlackInfo = false;
  bool boldButtons = false;
};

// The three values of "data.dat" as stored, in the order of the options above.
using SettingsValues = std::array<std::uint8_t, 3>;

// Empty if the file is missing, holds fewer than three values or a value outside 0..255; a
// value that is not a number at all reads as 0. Then `fault`, when given, says why.
std::optional<SettingsValues> readSettingsValues(const std::filesystem::path& path,
                                                 FileFault* fault = nullptr);
std::optional<SettingsValues> parseSettingsValues(std::string_view bytes);
std::optional<DisplaySettings> readDisplaySettings(const std::filesystem::path& path,
                                                   FileFault* fault = nullptr);

// Replaces "data.dat" whole: one line a value, 0 for an option that is on and 1 for one that
// is off, each written " 0 " with CR LF. False on any failure, with `fault` saying why; the
// old file then stays.
bool writeDisplaySettings(const std::filesystem::path& path, const DisplaySettings& settings,
                          FileFault* fault = nullptr);

}  // namespace velmoran
