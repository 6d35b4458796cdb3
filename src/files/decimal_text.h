// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmoran {

// The shortest decimal text of a number as the game screen shows it: a whole number without
// decimals, no thousands separators.
std::string decimalText(double value);

// Reads the numeric prefix of a text the way the game screen reads its controls: leading
// blanks are skipped, an empty or non-numeric text reads as 0.
double numericPrefix(std::string_view text);

// A strict decimal whole number: optional sign, digits, nothing else (blanks around it are
// allowed). Empty if the text is not such a number or lies outside the 64-bit range.
std::optional<long long> strictWholeNumber(std::string_view text);

}  // namespace velmoran
