#pragma once

#include <string>

namespace velmoran {

// One problem of the data set, told as `file:line: message`.
struct Problem {
  std::string file;  // the path as the editor gave the folder
  int line = 1;      // of the file, from 1; 1 for the file as a whole
  std::string message;
};

inline std::string formatted(const Problem& problem) {
  return problem.file + ":" + std::to_string(problem.line) + ": " + problem.message;
}

}  // namespace velmoran
