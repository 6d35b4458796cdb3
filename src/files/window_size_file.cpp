// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/window_size_file.h"

#include <string>

#include "files/decimal_text.h"
#include "files/game_files.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

bool readsAsWindowSize(std::string_view bytes) {
  return parseWindowSize(bytes).has_value();
}

}  // namespace

bool isWindowSize(long long percent) {
  return percent == kSizeByTheScreen ||
         (percent >= kSmallestWindowSize && percent <= kLargestWindowSize);
}

std::optional<int> parseWindowSize(std::string_view bytes) {
  const auto fields = readFields(bytes, 1);
  if (!fields) return std::nullopt;
  const auto percent = strictWholeNumber((*fields)[0].bytes);
  if (!percent || !isWindowSize(*percent)) return std::nullopt;
  return static_cast<int>(*percent);
}

std::optional<int> readWindowSize(const std::filesystem::path& path, FileFault* fault) {
  const auto bytes = readGameFile(path, fault);
  if (!bytes) return std::nullopt;
  const auto percent = parseWindowSize(*bytes);
  if (!percent && fault) *fault = FileFault::Damaged;
  return percent;
}

bool writeWindowSize(const std::filesystem::path& path, int percent, FileFault* fault) {
  if (!isWindowSize(percent)) {
    if (fault) *fault = FileFault::Damaged;
    return false;
  }
  return replaceGameFile(path, std::to_string(percent) + "\r\n", readsAsWindowSize, fault);
}

}  // namespace velmoran
