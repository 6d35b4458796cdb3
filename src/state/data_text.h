#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmoran {

// The record of one data text file: the text of an event or command and its consequences.
struct DataText {
  std::int32_t questionCode = 0;
  std::string infoText;  // UTF-8
  std::uint8_t buttonMode = 0;
  std::int32_t moneyAmount = 0;
  std::uint8_t monthEnd = 0;
};

// Empty if the bytes do not hold the five fields with numbers in their ranges, or the text is
// not windows-1250.
std::optional<DataText> parseDataText(std::string_view bytes);

}  // namespace velmoran
