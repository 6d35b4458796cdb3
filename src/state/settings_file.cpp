#include "state/settings_file.h"

#include <cmath>

#include "state/decimal_text.h"
#include "state/game_files.h"
#include "state/record_reader.h"

namespace velmoran {

std::optional<DisplaySettings> readDisplaySettings(const std::filesystem::path& path) {
  const auto bytes = readGameFile(path);
  if (!bytes) return std::nullopt;
  const auto fields = readFields(*bytes, 3);
  if (!fields) return std::nullopt;
  bool on[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const double value = std::nearbyint(numericPrefix((*fields)[i].bytes));
    if (value < 0 || value > 255) return std::nullopt;
    on[i] = value == 0;
  }
  return DisplaySettings{on[0], on[1], on[2]};
}

}  // namespace velmoran
