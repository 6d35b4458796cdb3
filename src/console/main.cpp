// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal edition: plays the game from standard input, one command a line, and prints a
// transcript of everything the screens would show. Run it in the game folder, or anywhere
// once it is installed.
//
// A player at a terminal, or a program that answers through a pipe, has the reign kept after
// every action. A script read from a file plays at full speed: its reign is kept when the
// script ends, when it leaves the reign, and on SIGTERM or SIGHUP.
#include <sys/stat.h>

#include <iostream>

#include "commands/command_table.h"
#include "console/console_commands.h"
#include "console/console_ui.h"
#include "console/line_source.h"
#include "files/game_folders.h"
#include "program/command_line.h"
#include "program/stop_signals.h"
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
  ConsoleCommands commands(session, ui, std::cout);
  struct stat input;
  if (::fstat(0, &input) != 0 || !S_ISREG(input.st_mode)) {
    session.setReignKeeping(Session::ReignKeeping::EveryAction);
  }
  catchStopSignals();

  // The splash screen does not wait here: its timer runs out at once.
  session.openSplash();
  session.splashTimer();
  commands.runLines(lines, [] { return caughtStopSignal() != 0; });
  session.keepReign();
  std::cout.flush();
  if (const int signal = caughtStopSignal()) endBySignal(signal);
  return 0;
}
