// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/chronicle_texts_check.h"

#include "data_check/unread_file.h"
#include "files/chronicle_texts.h"
#include "files/game_files.h"

namespace velmoran {

std::vector<Problem> checkChronicleTexts(const std::filesystem::path& path) {
  const std::string shown = path.lexically_normal().generic_string();
  FileFault fault = FileFault::None;
  const auto bytes = readGameFile(path, &fault);
  if (!bytes) return {{shown, 1, whyNotRead(path, fault) + "; hra z něj píše kroniku vlády"}};
  std::vector<Problem> problems;
  for (const ChronicleTextProblem& problem : parseChronicleTexts(*bytes).problems) {
    problems.push_back({shown, problem.line, problem.message});
  }
  return problems;
}

}  // namespace velmoran
