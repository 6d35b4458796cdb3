// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal edition: plays the game from standard input, one command a line, and prints a
// transcript of everything the screens would show. Run it in the game folder, or anywhere
// once it is installed.
#include <iostream>

#include "commands/command_table.h"
#include "console/console_commands.h"
#include "console/console_ui.h"
#include "console/line_source.h"
#include "files/game_folders.h"
#include "program/command_line.h"
#include "state/session.h"
#include "turn/turn_rules.h"

int main(int argc, char** argv) {
  using namespace velmoran;
  const ProgramTexts program{
      "velmoran-console",
      "Použití: velmoran-console [--help | --version]\n"
      "Hra Velmoran v terminálu: příkazy čte po řádcích ze standardního vstupu a vypisuje\n"
      "záznam všeho, co by ukázaly obrazovky hry. Viz man velmoran-console.\n"};
  if (const auto status =
          answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr)) {
    return *status;
  }
  LineSource lines(std::cin);
  ConsoleUi ui(lines, std::cout);
  Session session(ui, gameFoldersOfThisRun(), turnRules(), runMenuCommand);
  ui.attach(session);
  ConsoleCommands(session, ui, std::cout).runAll(lines);
  std::cout.flush();
  return 0;
}
