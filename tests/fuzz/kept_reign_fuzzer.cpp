// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the unfinished reign on any bytes: it never crashes, and every reign read,
// written and read again gives back the same reign, written the same way.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/game_files.h"
#include "files/kept_reign.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmoran;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const KeptReignReading reading = parseKeptReign(bytes);
  fuzzCheck(reading.reign.has_value() == (reading.fault == FileFault::None),
            "a reign or a fault, never both");
  fuzzCheck(reading.newerVersion == 0 || !reading.reign, "a newer file is no reign");
  if (!reading.reign) return 0;
  const std::string written = keptReignBytes(*reading.reign);
  const KeptReignReading again = parseKeptReign(written);
  fuzzCheck(again.reign.has_value(), "a written reign reads back");
  fuzzCheck(keptReignBytes(*again.reign) == written, "the reign reads back unchanged");
  fuzzCheck(written.size() <= kLargestGameFile || bytes.size() > kLargestGameFile / 10,
            "a small reign stays a small file");
  return 0;
}
