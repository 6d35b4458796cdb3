// SPDX-License-Identifier: GPL-3.0-or-later
// velmoran-data-check: checks the data texts of a game folder for the people who edit them, and
// tells every problem as `file:line: message`.
#include <filesystem>
#include <iostream>
#include <string>

#include "data_check/folder_check.h"
#include "program/command_line.h"
#include "state/data_files.h"

namespace {

constexpr int kAllGood = 0;
constexpr int kProblemsFound = 1;
constexpr int kCannotCheck = 2;

constexpr char kUsage[] =
    "Použití: velmoran-data-check [SLOŽKA]\n"
    "Zkontroluje texty hry ve složce SLOŽKA/data (bez SLOŽKY v této složce) a každý problém\n"
    "vypíše jako soubor:řádek: zpráva. Vrací 0, je-li vše v pořádku, 1 při problémech\n"
    "a 2, nejde-li kontrolovat. --version vypíše verzi.\n";

}  // namespace

int main(int argc, char** argv) {
  const velmoran::ProgramTexts program{"velmoran-data-check", kUsage, 1};
  if (const auto status =
          velmoran::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr)) {
    return *status;
  }
  const std::string argument = argc > 1 ? argv[1] : "";
  const std::filesystem::path folder = argument.empty() ? "." : argument;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder / "data", ec)) {
    std::cerr << "velmoran-data-check: ve složce " << folder.string()
              << " není složka data s texty hry\n";
    return kCannotCheck;
  }
  const auto problems = velmoran::checkGameFolder(folder);
  for (const auto& problem : problems) std::cout << velmoran::formatted(problem) << '\n';
  if (!problems.empty()) {
    std::cerr << "Problémů: " << problems.size() << '\n';
    return kProblemsFound;
  }
  std::cout << "Texty hry jsou v pořádku (souborů: " << velmoran::dataFiles().size() << ").\n";
  return kAllGood;
}
