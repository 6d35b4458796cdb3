// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/best_scores.h"

#include <algorithm>

#include "files/cp1250.h"
#include "files/decimal_text.h"
#include "files/file_lock.h"
#include "files/game_files.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

constexpr char kLineBreak[] = "\r\n";

bool needsReference(char32_t cp) {
  return cp < 0x20 || cp == 0x7F || !cp1250HasCharacter(cp);
}

bool isBlank(char32_t cp) {
  return cp == ' ' || cp == '\t';
}

bool fitsPlainLine(const std::u32string& name) {
  if (!name.empty() && (isBlank(name.front()) || isBlank(name.back()))) return false;
  for (char32_t cp : name) {
    if (cp == ',' || cp == '"' || needsReference(cp)) return false;
  }
  return true;
}

std::string plainName(const std::u32string& name) {
  std::string utf8;
  for (char32_t cp : name) appendUtf8(utf8, cp);
  return *encodeCp1250(utf8);
}

std::string quotedName(const std::u32string& name) {
  std::string utf8 = "\"";
  for (char32_t cp : name) {
    if (cp == '"') {
      utf8 += "\"\"";
    } else if (cp == '&' || needsReference(cp)) {
      utf8 += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
    } else {
      appendUtf8(utf8, cp);
    }
  }
  utf8 += '"';
  return *encodeCp1250(utf8);
}

// Turns the numeric references of a quoted name back into their characters; anything that
// is not a well-formed reference stays as it is.
std::string resolveReferences(const std::string& utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (utf8.compare(i, 2, "&#") == 0) {
      std::size_t j = i + 2;
      unsigned long cp = 0;
      while (j < utf8.size() && j - i < 10 && utf8[j] >= '0' && utf8[j] <= '9') {
        cp = cp * 10 + static_cast<unsigned long>(utf8[j] - '0');
        ++j;
      }
      const bool valid = j > i + 2 && j < utf8.size() && utf8[j] == ';' && cp <= 0x10FFFF &&
                         !(cp >= 0xD800 && cp <= 0xDFFF);
      if (valid) {
        appendUtf8(out, static_cast<char32_t>(cp));
        i = j + 1;
        continue;
      }
    }
    out += utf8[i++];
  }
  return out;
}

std::optional<std::string> nameOf(const Field& field) {
  auto text = decodeCp1250(field.bytes);
  if (!text) return std::nullopt;
  return field.quoted ? resolveReferences(*text) : *text;
}

}  // namespace

BestScoresReading readBestScores(const std::filesystem::path& path) {
  BestScoresReading reading;
  const auto bytes = readGameFile(path, &reading.fault);
  return bytes ? parseBestScores(*bytes) : reading;
}

BestScoresReading parseBestScores(std::string_view bytes) {
  BestScoresReading reading;
  BestScores table;
  for (std::size_t i = 0; i < 6; ++i) {
    // Fields are read one at a time so that the screen keeps what came before a fault.
    const auto fields = readFields(bytes, i + 1);
    if (!fields) break;
    const Field& field = fields->back();
    if (i % 2 == 0) {
      const auto name = nameOf(field);
      if (!name) break;
      table.names[i / 2] = firstCharacters(*name, kLongestRulerName);
      reading.fields.push_back(table.names[i / 2]);
    } else {
      const auto months = strictWholeNumber(field.bytes);
      if (!months) break;
      table.months[i / 2] = *months;
      reading.fields.push_back(std::to_string(*months));
    }
  }
  if (reading.fields.size() == 6) {
    reading.table = table;
  } else {
    reading.fault = FileFault::Damaged;
  }
  return reading;
}

BestScores enterResult(const BestScores& table, const std::string& name, long long months) {
  const auto& m = table.months;
  const auto& n = table.names;
  if (m[0] < months) return {{name, n[0], n[1]}, {months, m[0], m[1]}};
  if (m[0] > months && m[1] < months) return {{n[0], name, n[1]}, {m[0], months, m[1]}};
  if (m[1] > months && m[2] < months) return {{n[0], n[1], name}, {m[0], m[1], months}};
  return table;
}

std::string bestScoresBytes(const BestScores& table) {
  std::string bytes;
  for (std::size_t i = 0; i < 3; ++i) {
    // Names come from the player's input boxes, always UTF-8; anything else is stored empty.
    auto codePoints = utf8CodePoints(table.names[i]).value_or(U"");
    codePoints.resize(std::min(codePoints.size(), kLongestRulerName));
    bytes += fitsPlainLine(codePoints) ? plainName(codePoints) : quotedName(codePoints);
    bytes += kLineBreak;
    bytes += std::to_string(table.months[i]);
    bytes += kLineBreak;
  }
  return bytes;
}

bool readsAsBestScores(std::string_view bytes) {
  return parseBestScores(bytes).table.has_value();
}

bool writeBestScores(const std::filesystem::path& path, const BestScores& table, FileFault* fault) {
  return replaceGameFile(path, bestScoresBytes(table), readsAsBestScores, fault);
}

FileFault enterReign(const std::filesystem::path& path, const std::string& name, long long months,
                     BestScores* stored) {
  const FileLock lock(path);
  const BestScoresReading reading = readBestScores(path);
  if (!reading.table) return reading.fault;
  const BestScores table = enterResult(*reading.table, name, months);
  FileFault fault = FileFault::None;
  if (writeBestScores(path, table, &fault) && stored) *stored = table;
  return fault;
}

}  // namespace velmoran
