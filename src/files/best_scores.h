// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmoran {

// The three best rulers, from the most months down.
struct BestScores {
  std::array<std::string, 3> names;  // UTF-8
  std::array<long long, 3> months{};
};

struct BestScoresReading {
  // The fields read in file order (name, months, name, months, ...), as far as they could be
  // read: the best-scores screen shows whatever was filled.
  std::vector<std::string> fields;
  // The whole table, when all six fields were read and each months field is a number.
  std::optional<BestScores> table;
};

BestScoresReading readBestScores(const std::filesystem::path& path);
BestScoresReading parseBestScores(std::string_view bytes);

// The table after a reign of `months` months. A result equal to a score in the table is
// never entered; the entry dropped is always the old third.
BestScores enterResult(const BestScores& table, const std::string& name, long long months);

// The file's bytes: six lines, a name and its months each. A name that the plain format
// cannot carry (a comma, a quote, a line break, blanks at its ends, a character windows-1250
// lacks) is written in quotes with such characters as numeric references, so that it reads
// back unchanged.
std::string bestScoresBytes(const BestScores& table);

bool writeBestScores(const std::filesystem::path& path, const BestScores& table);

}  // namespace velmoran
