// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/line_source.h"

#include "files/cp1250.h"

namespace velmoran {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// A control character as \x and two hex digits of its code point: ESC is \x1B.
void appendHexEscape(std::string& out, unsigned char codePoint) {
  out += "\\x";
  out += kHexDigits[codePoint >> 4];
  out += kHexDigits[codePoint & 0x0F];
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

std::string validUtf8(const std::string& bytes) {
  if (utf8CodePoints(bytes)) return bytes;
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    // Take the longest valid sequence starting here (1..4 bytes), else replace one byte.
    std::size_t taken = 0;
    for (std::size_t len = 1; len <= 4 && i + len <= bytes.size(); ++len) {
      const auto cps = utf8CodePoints(std::string_view(bytes).substr(i, len));
      if (cps && cps->size() == 1) {
        taken = len;
        break;
      }
    }
    if (taken == 0) {
      appendUtf8(out, kReplacement);
      ++i;
    } else {
      out.append(bytes, i, taken);
      i += taken;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> LineSource::next() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return validUtf8(line);
}

std::string transcriptField(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  const std::u32string codePoints = utf8CodePoints(validUtf8(text)).value_or(U"");
  for (const char32_t c : codePoints) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\' || c == '|') {
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

}  // namespace velmoran
