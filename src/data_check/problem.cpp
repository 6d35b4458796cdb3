// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/problem.h"

namespace velmoran {

std::string formatted(const Problem& problem) {
  const std::string raw =
      problem.file + ":" + std::to_string(problem.line) + ": " + problem.message;
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string line;
  for (char c : raw) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      line += c;
    } else {
      line += std::string("\\x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
    }
  }
  return line;
}

}  // namespace velmoran
