// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/panel_fit.h"

namespace velmoran {

namespace {

std::size_t paragraphLines(std::u32string_view paragraph, std::size_t lineCharacters) {
  std::size_t lines = 1;
  std::size_t used = 0;  // characters on the current line
  std::size_t start = 0;
  while (start < paragraph.size()) {
    std::size_t end = paragraph.find(U' ', start);
    if (end == std::u32string_view::npos) end = paragraph.size();
    std::size_t word = end - start;
    start = end + 1;
    if (word == 0) continue;
    if (used > 0 && used + 1 + word <= lineCharacters) {
      used += 1 + word;
      continue;
    }
    if (used > 0) ++lines;
    while (word > lineCharacters) {
      ++lines;
      word -= lineCharacters;
    }
    used = word;
  }
  return lines;
}

}  // namespace

std::size_t wrappedLines(std::u32string_view text, std::size_t lineCharacters) {
  std::size_t lines = 0;
  for (;;) {
    const std::size_t lineBreak = text.find_first_of(U"\r\n");
    lines += paragraphLines(text.substr(0, lineBreak), lineCharacters);
    if (lineBreak == std::u32string_view::npos) return lines;
    const bool crLf =
        text[lineBreak] == U'\r' && lineBreak + 1 < text.size() && text[lineBreak + 1] == U'\n';
    text.remove_prefix(lineBreak + (crLf ? 2 : 1));
  }
}

}  // namespace velmoran
