// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/decimal_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velmoran {

namespace {

// Every whole number of this many digits is a double exactly.
constexpr std::size_t kExactDigits = 15;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// The text as the game writes a whole number, "-1234" with up to 15 digits and nothing else:
// every quantity nearly always. Counted straight away, it is the value the full reading gives,
// exactly.
std::optional<double> plainWholeNumber(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > kExactDigits) return std::nullopt;
  long long whole = 0;
  for (char c : text) {
    if (!isDigit(c)) return std::nullopt;
    whole = whole * 10 + (c - '0');
  }
  return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string decimalText(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0.0) return "0";
  constexpr double kExactWholeLimit = 9007199254740992.0;  // 2^53
  if (std::trunc(value) == value && std::fabs(value) < kExactWholeLimit) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

double numericPrefix(std::string_view text) {
  if (const auto whole = plainWholeNumber(text)) return *whole;
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digitsStart = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  std::size_t mantissaDigits = i - digitsStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t afterPoint = i + 1;
    std::size_t j = afterPoint;
    while (j < text.size() && isDigit(text[j])) ++j;
    mantissaDigits += j - afterPoint;
    if (mantissaDigits > 0) i = j;
  }
  if (mantissaDigits == 0) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentDigits = j;
    while (j < text.size() && isDigit(text[j])) ++j;
    if (j > exponentDigits) i = j;
  }
  std::string_view number = text.substr(start, i - start);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    return number.front() == '-' ? -std::numeric_limits<double>::max()
                                 : std::numeric_limits<double>::max();
  }
  return result.ec == std::errc() ? value : 0.0;
}

std::optional<long long> strictWholeNumber(std::string_view text) {
  text = trimBlanks(text);
  const bool positive = !text.empty() && text.front() == '+';
  if (positive) text.remove_prefix(1);
  const bool negative = !positive && !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (!isDigit(c)) return std::nullopt;
  }
  long long value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace velmoran
