// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmoran {

// The game's files are single-byte windows-1250 text; the game works in UTF-8.

// Empty if the bytes hold a NUL or a byte that windows-1250 leaves undefined.
std::optional<std::string> decodeCp1250(std::string_view bytes);
// Whether decodeCp1250 takes the bytes, without decoding them.
bool isCp1250(std::string_view bytes);

// Empty if the text is not valid UTF-8 or holds a character windows-1250 lacks.
std::optional<std::string> encodeCp1250(std::string_view utf8);

// Each code point of a UTF-8 text, or empty if the text is not valid UTF-8.
std::optional<std::u32string> utf8CodePoints(std::string_view utf8);
void appendUtf8(std::string& out, char32_t codePoint);
// The first `count` characters of a UTF-8 text (the whole text if it is not valid UTF-8).
std::string firstCharacters(const std::string& utf8, std::size_t count);

bool cp1250HasCharacter(char32_t codePoint);

}  // namespace velmoran
