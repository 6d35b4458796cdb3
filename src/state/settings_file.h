#pragma once

#include <filesystem>
#include <optional>

namespace velmoran {

// The three display options of the info panel, as stored in "data.dat": each option is on
// when its stored value is 0.
struct DisplaySettings {
  bool boldInfoText = false;
  bool whiteOnBlackInfo = false;
  bool boldButtons = false;
};

// Empty if the file is missing, holds fewer than three values or a value outside 0..255; a
// value that is not a number at all reads as 0.
std::optional<DisplaySettings> readDisplaySettings(const std::filesystem::path& path);

}  // namespace velmoran
