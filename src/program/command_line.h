// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmoran {

// What one of the game's programs tells about itself on its command line.
struct ProgramTexts {
  std::string name;
  // How to call it and what it does, in Czech, ending in a line break.
  std::string usage;
  // How many arguments that are no options it takes.
  std::size_t operands = 0;
};

// The exit statuses of a command line that asks for no game.
constexpr int kAnswered = 0;
constexpr int kMisused = 2;

// Answers --help (the usage to `out`) and --version; a command line the program does not know
// gets the usage on `err`. Returns the exit status then, and nothing when the program should
// go on to its own work.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments,
                                     const ProgramTexts& program, std::ostream& out,
                                     std::ostream& err);

}  // namespace velmoran
