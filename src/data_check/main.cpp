// SPDX-License-Identifier: GPL-3.0-or-later
// velmoran-data-check: checks the data texts of a game folder, or of a player's own data/ over
// the installation's, for the people who edit them, and tells every problem as
// `file:line: message`.
#include <filesystem>
#include <iostream>
#include <string>

#include "data_check/folder_check.h"
#include "files/data_files.h"
#include "files/game_folders.h"
#include "program/command_line.h"

namespace {

constexpr int kAllGood = 0;
constexpr int kProblemsFound = 1;
constexpr int kCannotCheck = 2;

constexpr char kUsage[] =
    "Použití: velmoran-data-check [SLOŽKA]\n"
    "Zkontroluje texty hry ve složce SLOŽKA/data (bez SLOŽKY texty, které čte hra spuštěná\n"
    "v této složce). Ve vaší složce hry a ve složce instalace to jsou vaše texty, a kde žádný\n"
    "nemáte, texty instalace. Každý problém vypíše jako soubor:řádek: zpráva. Vrací 0, je-li\n"
    "vše v pořádku, 1 při problémech a 2, nejde-li kontrolovat. --version vypíše verzi.\n";

namespace fs = std::filesystem;

// The texts the game reads when it uses that folder: in the installation's own folder or the
// player's, the player's texts over the installation's; any other folder alone. Without a
// folder, the texts of the game started here.
velmoran::GameFolders foldersToCheck(const std::string& argument) {
  const auto installed = velmoran::installationOfThisRun();
  const fs::path player = velmoran::playerFolderOfThisRun();
  if (argument.empty()) return velmoran::findGameFolders(".", installed, player);
  std::error_code ec;
  if (installed &&
      (fs::equivalent(argument, *installed, ec) || fs::equivalent(argument, player, ec))) {
    return velmoran::findGameFolders(argument, installed, player);
  }
  return velmoran::GameFolders(argument);
}

}  // namespace

int main(int argc, char** argv) {
  const velmoran::ProgramTexts program{"velmoran-data-check", kUsage, 1};
  if (const auto status =
          velmoran::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr)) {
    return *status;
  }
  const std::string argument = argc > 1 ? argv[1] : "";
  const velmoran::GameFolders folders = foldersToCheck(argument);
  std::error_code ec;
  if (!fs::is_directory(folders.texts, ec) && !fs::is_directory(folders.installedTexts, ec)) {
    std::cerr << "velmoran-data-check: ve složce " << (argument.empty() ? "." : argument)
              << " není složka data s texty hry\n";
    return kCannotCheck;
  }
  const auto problems = velmoran::checkGameFolder(folders);
  for (const auto& problem : problems) std::cout << velmoran::formatted(problem) << '\n';
  if (!problems.empty()) {
    std::cerr << "Problémů: " << problems.size() << '\n';
    return kProblemsFound;
  }
  std::cout << "Texty hry jsou v pořádku (souborů: " << velmoran::dataFiles().size() << ").\n";
  return kAllGood;
}
