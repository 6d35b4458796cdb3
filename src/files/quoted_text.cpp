// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/quoted_text.h"

#include "files/cp1250.h"
#include "files/decimal_text.h"

namespace velmoran {

namespace {

bool needsReference(char32_t cp) {
  return cp < 0x20 || cp == 0x7F || cp == '&' || !cp1250HasCharacter(cp);
}

}  // namespace

std::string quotedField(const std::string& utf8) {
  std::string out = "\"";
  for (char32_t cp : utf8CodePoints(utf8).value_or(U"")) {
    if (cp == '"') {
      out += "\"\"";
    } else if (needsReference(cp)) {
      out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
    } else {
      appendUtf8(out, cp);
    }
  }
  return *encodeCp1250(out + "\"");
}

std::optional<std::string> unquotedField(const Field& field) {
  if (!field.quoted) return std::nullopt;
  const auto text = decodeCp1250(field.bytes);
  if (!text) return std::nullopt;
  std::string out;
  std::size_t i = 0;
  while (i < text->size()) {
    if ((*text)[i] != '&') {
      out += (*text)[i++];
      continue;
    }
    const std::size_t end = text->find(';', i);
    if (text->compare(i, 2, "&#") != 0 || end == std::string::npos || end - i > 9) {
      return std::nullopt;
    }
    const auto cp = strictWholeNumber(std::string_view(*text).substr(i + 2, end - i - 2));
    if (!cp || *cp < 0 || *cp > 0x10FFFF || (*cp >= 0xD800 && *cp <= 0xDFFF)) return std::nullopt;
    appendUtf8(out, static_cast<char32_t>(*cp));
    i = end + 1;
  }
  return out;
}

}  // namespace velmoran
