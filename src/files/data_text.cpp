// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_text.h"

#include <cmath>
#include <limits>

#include "files/cp1250.h"
#include "files/decimal_text.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

// A numeric field reads as far as it is a number, so that a field holding no number at all
// (the rest of a text with an unquoted comma, say) reads as 0; rounded to a whole number, it
// must fit its field. A byte that is no windows-1250 text spoils the field.
template <typename T>
std::optional<T> numberInRange(const Field& field) {
  if (!isCp1250(field.bytes)) return std::nullopt;
  const double value = std::nearbyint(numericPrefix(field.bytes));
  if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
    return std::nullopt;
  }
  return static_cast<T>(value);
}

}  // namespace

std::optional<DataText> parseDataText(std::string_view bytes) {
  const auto fields = readFields(bytes, 5);
  if (!fields) return std::nullopt;
  const auto question = numberInRange<std::int32_t>((*fields)[0]);
  const auto text = decodeCp1250((*fields)[1].bytes);
  const auto buttons = numberInRange<std::uint8_t>((*fields)[2]);
  const auto money = numberInRange<std::int32_t>((*fields)[3]);
  const auto monthEnd = numberInRange<std::uint8_t>((*fields)[4]);
  if (!question || !text || !buttons || !money || !monthEnd) return std::nullopt;
  return DataText{*question, *text, *buttons, *money, *monthEnd};
}

}  // namespace velmoran
