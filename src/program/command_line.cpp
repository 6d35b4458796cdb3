// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/command_line.h"

#include <algorithm>

namespace velmoran {

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments,
                                     const ProgramTexts& program, std::ostream& out,
                                     std::ostream& err) {
  const auto given = [&](const char* option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
  };
  if (given("--help") || given("-h")) {
    out << program.usage;
    return kAnswered;
  }
  if (given("--version")) {
    out << program.name << ' ' << VELMORAN_VERSION << '\n';
    return kAnswered;
  }
  const bool unknownOption = std::any_of(arguments.begin(), arguments.end(),
                                         [](const auto& a) { return a.size() > 1 && a[0] == '-'; });
  if (unknownOption || arguments.size() > program.operands) {
    err << program.usage;
    return kMisused;
  }
  return std::nullopt;
}

}  // namespace velmoran
