// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_fault.h"

namespace velmoran {

// A name in the table is kept to as many characters as the game takes for a ruler's name; a
// longer name in a hand-edited file is cut when it is read. So whatever the reader accepts is
// written back far below the reader's limit, however much its characters grow as references.
inline constexpr std::size_t kLongestRulerName = 255;

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
  // Why there is no table.
  FileFault fault = FileFault::None;
};

BestScoresReading readBestScores(const std::filesystem::path& path);
BestScoresReading parseBestScores(std::string_view bytes);

// The table after a reign of `months` months. A result equal to a score in the table is
// never entered; the entry dropped is always the old third.
BestScores enterResult(const BestScores& table, const std::string& name, long long months);

// The file's bytes: six lines, a name and its months each. A name that the plain format
// cannot carry (a comma, a quote, a line break, blanks at its ends, a character windows-1250
// lacks) is written in quotes with such characters as numeric references, so that it reads
// back unchanged. A name is cut to its first kLongestRulerName characters.
std::string bestScoresBytes(const BestScores& table);

// Whether bytes read as a whole table: a link to such a file may be written through.
bool readsAsBestScores(std::string_view bytes);

bool writeBestScores(const std::filesystem::path& path, const BestScores& table,
                     FileFault* fault = nullptr);

// Enters the result of a reign into the file: reads the table, enters the result and writes
// the table back, while holding the file's lock, so that every reign of copies of the game
// ending at the same moment gets in where it belongs. None when it is stored (or ranks
// nowhere and the table is rewritten as it was), else why the file let the reign down; a
// fault before the write leaves the file as it was. `stored`, if given, gets the table written.
FileFault enterReign(const std::filesystem::path& path, const std::string& name, long long months,
                     BestScores* stored = nullptr);

}  // namespace velmoran
