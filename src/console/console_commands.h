// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "console/console_ui.h"
#include "console/line_source.h"
#include "state/session.h"

namespace velmoran {

// Carries out one line of the terminal edition's script where the player is: on the title
// menu, the game screen, the rebellion screen, the best-scores screen, the settings screen or
// the about box.
class ConsoleCommands {
 public:
  ConsoleCommands(Session& session, ConsoleUi& ui, std::ostream& out)
      : session_(session), ui_(ui), out_(out) {}

  void run(const std::string& line);
  // One command a line, until the lines run out, no screen is left or `stop` says so.
  void runLines(LineSource& lines, const std::function<bool()>& stop);

 private:
  bool onTitleMenu(const std::string& command);
  bool onChronicle(const std::string& command, const std::string& argument);
  void writeFigures(const std::string& argument);
  bool onBestScores(const std::string& command);
  bool onRebellion(const std::string& command);
  bool onSettings(const std::string& command);
  bool onAbout(const std::string& command);
  bool onGameScreen(const std::string& command, const std::string& argument);
  void pressButton(const std::string& button);
  void printState();
  void setQuantity(const std::string& argument);

  Session& session_;
  ConsoleUi& ui_;
  std::ostream& out_;
};

}  // namespace velmoran
