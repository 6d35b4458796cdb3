// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

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

// Decimal texts are read and written in the "C" locale's notation whatever the player's locale
// is, and the same way on every platform the game is built for: the streams round correctly,
// and not every C++ library has the floating-point overloads of to_chars and from_chars.
std::string scientificText(double value, int significantDigits) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::scientific << std::setprecision(significantDigits - 1) << value;
  return out.str();
}

// Reads a number in the syntax numericPrefix accepts; empty when it lies beyond the largest
// double. One that lies below the smallest reads as the nearest the type has (0 or a denormal).
std::optional<double> streamRead(std::string_view number) {
  std::istringstream in{std::string(number)};
  in.imbue(std::locale::classic());
  double value = 0.0;
  in >> value;
  constexpr double kLargest = std::numeric_limits<double>::max();
  // Some libraries give the largest double for too large a number, others infinity.
  if (in.fail() && (!std::isfinite(value) || std::fabs(value) == kLargest)) return std::nullopt;
  return value;
}

double parseDecimal(std::string_view number) {
  // Most texts are whole numbers the game wrote itself: read exactly, without a stream.
  constexpr std::size_t kExactDigits = 15;
  const bool negative = !number.empty() && number.front() == '-';
  const std::string_view digits = negative ? number.substr(1) : number;
  if (!digits.empty() && digits.size() <= kExactDigits) {
    long long whole = 0;
    bool plain = true;
    for (char c : digits) {
      if (!isDigit(c)) {
        plain = false;
        break;
      }
      whole = whole * 10 + (c - '0');
    }
    if (plain) return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
  }
  // Too large a number reads as the largest one.
  constexpr double kLargest = std::numeric_limits<double>::max();
  return streamRead(number).value_or(negative ? -kLargest : kLargest);
}

// The shortest text that reads back as `value` (finite and not zero): the fewest significant
// digits that read back as it, written plainly or in scientific notation, whichever is shorter
// (plainly when both are as long). A plain whole number shows its exact digits, not zeros.
std::string shortestText(double value) {
  std::string scientific;
  for (int significant = 1; significant <= 17; ++significant) {
    scientific = scientificText(value, significant);
    if (streamRead(scientific) == value) break;
  }
  // scientific is [-]d[.ddd]e(+|-)xx
  const bool negative = scientific.front() == '-';
  const std::size_t e = scientific.find('e');
  std::string digits = scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  if (digits.size() > 1) digits.erase(1, 1);  // the point
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  const int count = static_cast<int>(digits.size());
  std::string plain;
  if (exponent < 0) {
    plain = std::string(negative ? "-" : "") + "0." +
            std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (count <= exponent + 1) {
    std::ostringstream whole;
    whole.imbue(std::locale::classic());
    whole << std::fixed << std::setprecision(0) << value;
    plain = whole.str();
  } else {
    plain = std::string(negative ? "-" : "") + digits.substr(0, std::size_t(exponent + 1)) + "." +
            digits.substr(std::size_t(exponent + 1));
  }
  return plain.size() <= scientific.size() ? plain : scientific;
}

}  // namespace

std::string decimalText(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0.0) return "0";
  constexpr double kExactWholeLimit = 9007199254740992.0;  // 2^53
  if (std::trunc(value) == value && std::fabs(value) < kExactWholeLimit) {
    return std::to_string(static_cast<long long>(value));
  }
  return shortestText(value);
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
  return parseDecimal(number);
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
