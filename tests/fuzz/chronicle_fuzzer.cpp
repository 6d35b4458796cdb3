// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the kept chronicles and of the chronicle's texts on any bytes: they never
// crash, and every chronicle read, written and read again, gives back the same chronicle.
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
  const auto chronicle = parseChronicle(bytes);
  if (!chronicle) return 0;
  fuzzCheck(parseChronicleHeading(bytes).has_value(), "a chronicle has its heading");
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
