// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the kept chronicles and of the chronicle's texts on any bytes: they never
// crash, a heading read from a file's first bytes is the whole file's, and every chronicle
// read, written and read again, gives back the same chronicle.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/chronicle_texts.h"
#include "files/reign_chronicle.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmoran;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ChronicleTextsReading texts = parseChronicleTexts(bytes);
  fuzzCheck(texts.texts.size() + texts.problems.size() >= momentKinds().size(),
            "every text is read or missing");
  // A heading read from a file's first bytes is the heading of the whole file, or none.
  const auto heading = parseChronicleHeading(bytes);
  for (std::size_t cut = 0; cut <= bytes.size(); cut += 1 + cut / 2) {
    const auto start = parseChronicleHeadingOfStart(bytes.substr(0, cut), cut < bytes.size());
    fuzzCheck(!start || (heading && start->ruler == heading->ruler &&
                         start->country == heading->country && start->months == heading->months),
              "a heading read from the start is the file's");
  }
  const auto chronicle = parseChronicle(bytes);
  if (!chronicle) return 0;
  fuzzCheck(heading.has_value(), "a chronicle has its heading");
  const auto again = parseChronicle(chronicleBytes(*chronicle));
  fuzzCheck(again.has_value(), "a written chronicle reads back");
  fuzzCheck(again->ruler == chronicle->ruler && again->country == chronicle->country &&
                again->months == chronicle->months,
            "the names and months read back");
  fuzzCheck(again->figures.size() == chronicle->figures.size() &&
                again->moments.size() == chronicle->moments.size(),
            "every row reads back");
  chronicleLines(*chronicle, texts.texts);
  return 0;
}
