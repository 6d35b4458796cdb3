// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/problem.h"

#include "files/terminal_text.h"

namespace velmoran {

std::string formatted(const Problem& problem) {
  return terminalText(problem.file + ":" + std::to_string(problem.line) + ": " + problem.message);
}

}  // namespace velmoran
