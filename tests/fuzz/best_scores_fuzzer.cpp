// SPDX-License-Identifier: GPL-3.0-or-later
// The best-scores reader on any bytes: it never crashes, reads at most six fields, and every
// table it reads, written and read again, gives back the same table; what is written, even
// with a new best name of the widest characters entered, never exceeds the reader's limit.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "files/best_scores.h"
#include "files/game_files.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmoran;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const BestScoresReading reading = parseBestScores(bytes);
  fuzzCheck(reading.fields.size() <= 6, "at most six fields");
  fuzzCheck(!reading.table || reading.fields.size() == 6, "a table has all six fields");
  if (!reading.table) return 0;
  const std::string written = bestScoresBytes(*reading.table);
  fuzzCheck(written.size() <= kLargestGameFile, "what is written stays within the reader's limit");
  std::string widestName;
  for (std::size_t i = 0; i < kLongestRulerName; ++i) widestName += "\U0010FFFF";
  const BestScores entered =
      enterResult(*reading.table, widestName, std::numeric_limits<long long>::max());
  fuzzCheck(bestScoresBytes(entered).size() <= kLargestGameFile, "a new best stays within it too");
  const BestScoresReading again = parseBestScores(written);
  fuzzCheck(again.table.has_value(), "a written table reads back");
  fuzzCheck(again.table->names == reading.table->names, "names read back as written");
  fuzzCheck(again.table->months == reading.table->months, "months read back as written");
  return 0;
}
