#include "state/data_text.h"

#include <limits>

#include "state/cp1250.h"
#include "state/decimal_text.h"
#include "state/record_reader.h"

namespace velmoran {

namespace {

template <typename T>
std::optional<T> numberInRange(const Field& field) {
  const auto value = strictWholeNumber(field.bytes);
  if (!value || *value < std::numeric_limits<T>::min() || *value > std::numeric_limits<T>::max()) {
    return std::nullopt;
  }
  return static_cast<T>(*value);
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
