// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_file.h"

#include <cmath>
#include <string>

#include "files/decimal_text.h"
#include "files/game_files.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

bool readsAsSettings(std::string_view bytes) {
  return parseSettingsValues(bytes).has_value();
}

}  // namespace

std::optional<SettingsValues> readSettingsValues(const std::filesystem::path& path,
                                                 FileFault* fault) {
  const auto bytes = readGameFile(path, fault);
  if (!bytes) return std::nullopt;
  auto values = parseSettingsValues(*bytes);
  if (!values && fault) *fault = FileFault::Damaged;
  return values;
}

std::optional<SettingsValues> parseSettingsValues(std::string_view bytes) {
  const auto fields = readFields(bytes, 3);
  if (!fields) return std::nullopt;
  SettingsValues values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double value = std::nearbyint(numericPrefix((*fields)[i].bytes));
    if (value < 0 || value > 255) return std::nullopt;
    values[i] = static_cast<std::uint8_t>(value);
  }
  return values;
}

std::optional<DisplaySettings> readDisplaySettings(const std::filesystem::path& path,
                                                   FileFault* fault) {
  const auto values = readSettingsValues(path, fault);
  if (!values) return std::nullopt;
  return DisplaySettings{(*values)[0] == 0, (*values)[1] == 0, (*values)[2] == 0};
}

bool writeDisplaySettings(const std::filesystem::path& path, const DisplaySettings& settings,
                          FileFault* fault) {
  std::string bytes;
  for (bool on : {settings.boldInfoText, settings.whiteOnBlackInfo, settings.boldButtons}) {
    bytes += on ? " 0 \r\n" : " 1 \r\n";
  }
  return replaceGameFile(path, bytes, readsAsSettings, fault);
}

}  // namespace velmoran
