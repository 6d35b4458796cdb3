// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/line_source.h"

#include "files/cp1250.h"

namespace velmoran {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A control character as \x and two hex digits of its code point: ESC is \x1B.
void appendHexEscape(std::string& out, unsigned char codePoint) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHexDigits[codePoint >> 4];
  out += kHexDigits[codePoint & 0x0F];
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
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // The C1 controls U+0080..U+009F are the two bytes C2 80..C2 9F in UTF-8.
    const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      appendHexEscape(out, byte);
    } else if (c1) {
      appendHexEscape(out, static_cast<unsigned char>(text[++i]));
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace velmoran
