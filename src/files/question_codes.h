// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velmoran {

// What the buttons under the info panel do with a text, by the question code its file carries.

// No buttons at all: the player may act at once.
inline constexpr std::int32_t kNoQuestion = -1;
// Only Ok, which clears the panel (or, with the month-end flag, turns the month).
inline constexpr std::int32_t kPlainText = 0;
// Ok leads on to a second random text instead of clearing the panel.
inline constexpr std::int32_t kChainsToSecondText = 99;

// The questions that "Ano" and "Ne" answer. A Yes to the acquaintance, the plot and the
// assassination attempt leads on to a text of its own.
inline constexpr std::int32_t kAcquaintance = 1;
inline constexpr std::int32_t kDeposition = 999;
inline constexpr std::int32_t kAssassination = 9999;
inline constexpr std::int32_t kAnswerableCodes[] = {
    kAcquaintance, 77, 88, 888, 8888, 88888, 888888, kDeposition, kAssassination, 99999, 999999};

constexpr bool isAnswerable(std::int32_t questionCode) {
  for (std::int32_t code : kAnswerableCodes) {
    if (code == questionCode) return true;
  }
  return false;
}

}  // namespace velmoran
