// SPDX-License-Identifier: GPL-3.0-or-later
// The windows-1250 and UTF-8 conversions on any bytes: whatever converts one way converts back
// to the same bytes, and a shortened text is a prefix of the text; and any bytes escaped for the
// terminal are UTF-8 without a control character or a bidirectional control.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/cp1250.h"
#include "files/terminal_text.h"
#include "fuzz_check.h"

namespace {

bool drivesTheTerminal(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmoran;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const auto utf8 = decodeCp1250(bytes)) {
    fuzzCheck(encodeCp1250(*utf8) == bytes, "windows-1250 to UTF-8 and back");
  }
  if (const auto cp1250 = encodeCp1250(bytes)) {
    fuzzCheck(decodeCp1250(*cp1250) == bytes, "UTF-8 to windows-1250 and back");
  }
  if (const auto codePoints = utf8CodePoints(bytes)) {
    std::string again;
    for (char32_t cp : *codePoints) appendUtf8(again, cp);
    fuzzCheck(again == bytes, "UTF-8 to code points and back");
    const std::string shortened = firstCharacters(bytes, size % 7);
    fuzzCheck(bytes.compare(0, shortened.size(), shortened) == 0, "a shortened text is a prefix");
    fuzzCheck(
        utf8CodePoints(shortened)->size() == std::min<std::size_t>(size % 7, codePoints->size()),
        "a shortened text has the characters asked for");
  }
  const auto shown = velmoran::utf8CodePoints(terminalText(bytes, "|"));
  fuzzCheck(shown.has_value(), "escaped text is UTF-8");
  fuzzCheck(std::none_of(shown->begin(), shown->end(), drivesTheTerminal),
            "escaped text cannot drive the terminal");
  fuzzCheck(utf8CodePoints(validUtf8(bytes)).has_value(), "made valid, bytes are UTF-8");
  return 0;
}
