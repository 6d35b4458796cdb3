// SPDX-License-Identifier: GPL-3.0-or-later
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

// Empty if the bytes do not hold five fields, a number lies outside its field's range, or the
// bytes are not windows-1250 text. A numeric field that holds no number reads as 0.
std::optional<DataText> parseDataText(std::string_view bytes);

}  // namespace velmoran
