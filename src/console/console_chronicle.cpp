// SPDX-License-Identifier: GPL-3.0-or-later
// "kronika" and "kronika-csv FILE": the last reign's chronicle in the transcript (during a game,
// the running reign's so far), and its monthly figures for the players who chart their reigns
// themselves.
#include "console/console_commands.h"
#include "console/line_source.h"
#include "files/game_files.h"

namespace velmoran {

bool ConsoleCommands::onChronicle(const std::string& command, const std::string& argument) {
  if (command != "kronika" && command != "kronika-csv") return false;
  if (command == "kronika-csv" && argument.empty()) {
    ui_.error("chybí jméno souboru: kronika-csv SOUBOR");
    return true;
  }
  const auto shown = session_.game() ? session_.reignSoFar() : session_.lastChronicle();
  if (!shown) return true;
  if (command == "kronika") {
    for (const ChronicleLine& line : shown->lines) {
      out_ << "KRONIKA | " << line.month << " | " << transcriptField(line.text) << '\n';
    }
  } else if (replaceGameFile(argument, chronicleCsv(shown->chronicle))) {
    out_ << "CSV | " << transcriptField(argument) << " | " << shown->chronicle.figures.size()
         << '\n';
  } else {
    ui_.error("soubor nejde zapsat: " + transcriptField(argument));
  }
  return true;
}

}  // namespace velmoran
