// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace velmoran {

// The info panel is a label of 346 × 96 pixels, 342 × 92 inside its margin, that writes in the
// screens' 8.25-point sans-serif (11 pixels) and wraps at words. A text fits when the wrap,
// counted in characters, needs no more than kPanelLines lines of kPanelLineCharacters: that
// leaves 7.6 pixels a character across, where the Czech texts in bold take 6 at the most, and
// 15 pixels a line down, where the desktops' sans-serif fonts take 13 to 15.
inline constexpr std::size_t kPanelLineCharacters = 45;
inline constexpr std::size_t kPanelLines = 6;

// The lines a text takes wrapped at its blanks into lines of `lineCharacters` characters; a
// word longer than a line is broken, and a line break in the text starts a new line.
std::size_t wrappedLines(std::u32string_view text, std::size_t lineCharacters);

inline bool fitsPanel(std::u32string_view text) {
  return wrappedLines(text, kPanelLineCharacters) <= kPanelLines;
}

}  // namespace velmoran
