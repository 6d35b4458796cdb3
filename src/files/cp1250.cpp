// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/cp1250.h"

#include <array>

namespace velmoran {

namespace {

// Code points of the bytes 0x80..0xFF; 0 marks a byte the code page leaves undefined.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::optional<unsigned char> byteFor(char32_t codePoint) {
  if (codePoint == 0) return std::nullopt;
  if (codePoint < 0x80) return static_cast<unsigned char>(codePoint);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] != 0 && kHighHalf[i] == codePoint) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<std::u32string> utf8CodePoints(std::string_view utf8) {
  std::u32string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if (lead < 0x80) {
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, least = 0x10000;
    } else {
      return std::nullopt;
    }
    if (extra > 0 && i + extra >= utf8.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    out += cp;
    i += extra + 1;
  }
  return out;
}

std::string firstCharacters(const std::string& utf8, std::size_t count) {
  const auto codePoints = utf8CodePoints(utf8);
  if (!codePoints || codePoints->size() <= count) return utf8;
  std::string out;
  for (std::size_t i = 0; i < count; ++i) appendUtf8(out, (*codePoints)[i]);
  return out;
}

bool cp1250HasCharacter(char32_t codePoint) {
  return byteFor(codePoint).has_value();
}

namespace {

// Writes the UTF-8 of the bytes at `out`, which has room for three bytes each; its end, or null
// for a NUL or a byte that windows-1250 leaves undefined.
char* writeUtf8Of(std::string_view bytes, char* out) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) return nullptr;
    if (b < 0x80) {
      *out++ = c;
      continue;
    }
    const char16_t cp = kHighHalf[b - 0x80];
    if (cp == 0) return nullptr;
    if (cp < 0x800) {
      *out++ = static_cast<char>(0xC0 | (cp >> 6));
    } else {
      *out++ = static_cast<char>(0xE0 | (cp >> 12));
      *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

}  // namespace

std::optional<std::string> decodeCp1250(std::string_view bytes) {
  // A text of the game fits the room on the stack; a longer one gets room of its own.
  constexpr std::size_t kShort = 1024;
  char room[3 * kShort];
  std::string longer;
  if (bytes.size() > kShort) longer.resize(3 * bytes.size());
  char* start = bytes.size() > kShort ? longer.data() : room;
  const char* end = writeUtf8Of(bytes, start);
  if (!end) return std::nullopt;
  if (bytes.size() > kShort) {
    longer.resize(static_cast<std::size_t>(end - start));
    return longer;
  }
  return std::string(start, static_cast<std::size_t>(end - start));
}

bool isCp1250(std::string_view bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0 || (b >= 0x80 && kHighHalf[b - 0x80] == 0)) return false;
  }
  return true;
}

std::optional<std::string> encodeCp1250(std::string_view utf8) {
  const auto codePoints = utf8CodePoints(utf8);
  if (!codePoints) return std::nullopt;
  std::string out;
  out.reserve(codePoints->size());
  for (char32_t cp : *codePoints) {
    const auto b = byteFor(cp);
    if (!b) return std::nullopt;
    out += static_cast<char>(*b);
  }
  return out;
}

}  // namespace velmoran
