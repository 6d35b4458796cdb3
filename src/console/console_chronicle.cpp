// SPDX-License-Identifier: GPL-3.0-or-later
// "kronika" and "kronika-csv [--prepsat] FILE": the last reign's chronicle in the transcript
// (during a game, the running reign's so far), and its monthly figures for the players who
// chart their reigns themselves.
#include <algorithm>

#include "console/console_commands.h"
#include "console/line_source.h"
#include "files/game_files.h"
#include "state/file_messages.h"

namespace velmoran {

namespace {

// The player's leave to write over a file that is there already.
constexpr char kReplace[] = "--prepsat";

}  // namespace

bool ConsoleCommands::onChronicle(const std::string& command, const std::string& argument) {
  if (command != "kronika" && command != "kronika-csv") return false;
  const bool playing = session_.game() != nullptr;
  if (!playing && !session_.isOpen(Screen::Menu) && !session_.isOpen(Screen::Prohra)) {
    ui_.error("kronika je jen v hlavní nabídce, v tabulce nejlepších a ve hře");
  } else if (command == "kronika-csv") {
    writeFigures(argument);
  } else if (const auto shown = playing ? session_.reignSoFar() : session_.lastChronicle()) {
    for (const ChronicleLine& line : shown->lines) {
      out_ << "KRONIKA | " << line.month << " | " << transcriptField(line.text) << '\n';
    }
  }
  return true;
}

// A new file, or with the player's leave one in the place of theirs; never one of the game's
// own files, and nothing beside it is touched. Every refusal says why.
void ConsoleCommands::writeFigures(const std::string& argument) {
  const std::string option = std::string(kReplace) + " ";
  const bool replacing = argument == kReplace || argument.rfind(option, 0) == 0;
  const std::string file =
      replacing ? argument.substr(std::min(argument.size(), option.size())) : argument;
  if (file.find_first_not_of(" \t") == std::string::npos) {
    ui_.error("chybí jméno souboru: kronika-csv SOUBOR");
    return;
  }
  // The figures need no texts: a data set without kronika.ini still gives them.
  const auto reign = session_.game() ? session_.runningReign() : session_.lastReign();
  if (!reign) return;
  FileFault fault = FileFault::GameFile;
  const std::string csv = chronicleCsv(*reign);
  if (!session_.folders().holds(file) &&
      (replacing ? replaceFile(file, csv, &fault) : createFile(file, csv, &fault))) {
    out_ << "CSV | " << transcriptField(file) << " | " << reign->figures.size() << '\n';
    return;
  }
  std::string reason = withCause("soubor nejde zapsat: " + file, fault);
  if (fault == FileFault::Exists) reason += "\nPřepíše ho: kronika-csv " + option + file;
  ui_.error(transcriptField(reason));
}

}  // namespace velmoran
