// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmoran {

// One problem of the data set, told as `file:line: message`.
struct Problem {
  std::string file;  // the path as the editor gave the folder
  int line = 1;      // of the file, from 1; 1 for the file as a whole
  std::string message;
};

// The problem's line for the terminal. A control character that a file's name or content brought
// in is written as \xNN, a bidirectional control as \u{XXXX}, so that it can neither drive the
// terminal nor reorder the line.
std::string formatted(const Problem& problem);

}  // namespace velmoran
