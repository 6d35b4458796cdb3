// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/named_sums.h"

#include <string>

#include "files/cp1250.h"

namespace velmoran {

namespace {

constexpr std::u32string_view kMonthly = U" měsíčně";
// More digits than this are no sum the game could move.
constexpr std::size_t kMostDigits = 15;

bool isDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}
bool isBlank(char32_t c) {
  return c == U' ' || c == U'\u00A0';
}

std::size_t digitsBefore(std::u32string_view text, std::size_t end) {
  while (end > 0 && isDigit(text[end - 1])) --end;
  return end;
}

// Where the number that ends at `end` begins, thousands groups included; `end` itself if no
// digit stands before it. "1 000": while the number begins with a group of three digits and a
// blank and one to three more digits stand before it, they belong to it.
std::size_t numberStart(std::u32string_view text, std::size_t end) {
  std::size_t start = digitsBefore(text, end);
  std::size_t firstGroup = end - start;
  while (firstGroup == 3 && start >= 2 && isBlank(text[start - 1]) && isDigit(text[start - 2])) {
    const std::size_t groupStart = digitsBefore(text, start - 1);
    firstGroup = start - 1 - groupStart;
    if (firstGroup > 3) break;
    start = groupStart;
  }
  return start;
}

}  // namespace

std::vector<NamedSum> sumsNamed(std::string_view utf8) {
  std::vector<NamedSum> sums;
  const auto codePoints = utf8CodePoints(utf8);
  if (!codePoints) return sums;
  const std::u32string_view text = *codePoints;
  for (std::size_t dollar = text.find(U'$'); dollar != std::u32string_view::npos;
       dollar = text.find(U'$', dollar + 1)) {
    if (text.substr(dollar + 1, kMonthly.size()) == kMonthly) continue;
    const std::size_t end = dollar > 0 && isBlank(text[dollar - 1]) ? dollar - 1 : dollar;
    const std::size_t start = numberStart(text, end);
    if (start == end) continue;
    std::string digits;
    for (std::size_t i = start; i < end; ++i) {
      if (isDigit(text[i])) digits += static_cast<char>(text[i]);
    }
    if (digits.size() > kMostDigits) continue;
    int lineOffset = 0;
    for (std::size_t i = 0; i < start; ++i) {
      if (text[i] == U'\n' ||
          (text[i] == U'\r' && (i + 1 == text.size() || text[i + 1] != U'\n'))) {
        ++lineOffset;
      }
    }
    sums.push_back({std::stoll(digits), lineOffset});
  }
  return sums;
}

}  // namespace velmoran
