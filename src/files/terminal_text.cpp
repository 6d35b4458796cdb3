// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/terminal_text.h"

#include <optional>

#include "files/cp1250.h"

namespace velmoran {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// A control character or a stray byte as \x and two hex digits: ESC is \x1B.
void appendHexEscape(std::string& out, unsigned char value) {
  out += "\\x";
  out += kHexDigits[value >> 4];
  out += kHexDigits[value & 0x0F];
}

// The characters that reorder the text after them on the terminal, so that what it shows
// differs from what the line holds: the embeddings, overrides and isolates, and the marks.
bool isBidirectionalControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
         c == 0x200F || c == 0x061C;
}

// A character as \u{XXXX}, its code point in four hex digits: U+202E is \u{202E}.
void appendCodePointEscape(std::string& out, char32_t codePoint) {
  out += "\\u{";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(codePoint >> shift) & 0x0F];
  out += '}';
}

// The code point that starts at `at` and how many bytes it takes, or nothing where the bytes
// there are no UTF-8.
std::optional<std::pair<char32_t, std::size_t>> codePointAt(std::string_view bytes,
                                                            std::size_t at) {
  for (std::size_t length = 1; length <= 4 && at + length <= bytes.size(); ++length) {
    const auto decoded = utf8CodePoints(bytes.substr(at, length));
    if (decoded && decoded->size() == 1) return std::make_pair(decoded->front(), length);
  }
  return std::nullopt;
}

}  // namespace

std::string terminalText(std::string_view text, std::string_view alsoEscaped) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto decoded = codePointAt(text, i);
    if (!decoded) {
      appendHexEscape(out, static_cast<unsigned char>(text[i++]));
      continue;
    }
    const char32_t c = decoded->first;
    i += decoded->second;
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\' ||
               (c < 0x80 && alsoEscaped.find(static_cast<char>(c)) != std::string_view::npos)) {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
      appendHexEscape(out, static_cast<unsigned char>(c));
    } else if (isBidirectionalControl(c)) {
      appendCodePointEscape(out, c);
    } else {
      appendUtf8(out, c);
    }
  }
  return out;
}

std::string validUtf8(std::string_view bytes) {
  if (utf8CodePoints(bytes)) return std::string(bytes);
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    if (const auto decoded = codePointAt(bytes, i)) {
      out.append(bytes.substr(i, decoded->second));
      i += decoded->second;
    } else {
      appendUtf8(out, kReplacement);
      ++i;
    }
  }
  return out;
}

}  // namespace velmoran
