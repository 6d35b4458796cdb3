// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/console_commands.h"

#include <iterator>

#include "console/line_source.h"
#include "files/decimal_text.h"
#include "state/menu_entries.h"
#include "state/quantity.h"

namespace velmoran {

namespace {

std::pair<std::string, std::string> splitCommand(const std::string& line) {
  const auto space = line.find(' ');
  if (space == std::string::npos) return {line, ""};
  return {line.substr(0, space), line.substr(space + 1)};
}

bool isGameScreenCommand(const std::string& command) {
  return command == "ok" || command == "ano" || command == "ne" || command == "zprava" ||
         command == "state" || command == "set" || menuEntryForCommand(command).has_value();
}

}  // namespace

void ConsoleCommands::run(const std::string& line) {
  if (line.empty()) return;
  const auto [command, argument] = splitCommand(line);
  if (onTitleMenu(command) || onChronicle(command, argument) || onBestScores(command) ||
      onRebellion(command) || onSettings(command) || onAbout(command)) {
    return;
  }
  if (isGameScreenCommand(command)) {
    if (!session_.isOpen(Screen::Main)) {
      ui_.error("hra neběží");
    } else if (command == "state") {
      printState();
    } else if (!session_.takesInput(Screen::Main)) {
      ui_.error("hra je vypnutá");
    } else {
      onGameScreen(command, argument);
    }
    return;
  }
  ui_.error("neznámý příkaz: " + transcriptField(command));
}

void ConsoleCommands::runLines(LineSource& lines, const std::function<bool()>& stop) {
  while (!session_.finished() && session_.anyScreenOpen() && !stop()) {
    const auto line = lines.next();
    if (!line) break;
    run(*line);
  }
}

bool ConsoleCommands::onTitleMenu(const std::string& command) {
  if (command != "start" && command != "pokracovat" && command != "nastaveni" &&
      command != "top3" && command != "konec" && command != "ohre") {
    return false;
  }
  using Offer = Session::ReignOffer::State;
  if (!session_.isOpen(Screen::Menu)) {
    ui_.error("hlavní nabídka není otevřená");
  } else if (command == "start") {
    session_.start();
  } else if (command == "pokracovat") {
    const Offer offer = session_.reignOffer().state;
    if (offer == Offer::Offered) {
      session_.resume();
    } else {
      ui_.error(offer == Offer::Elsewhere ? "rozehranou vládu hraje jiná spuštěná kopie hry"
                                          : "žádná vláda není rozehraná");
    }
  } else if (command == "nastaveni") {
    session_.openSettings();
  } else if (command == "top3") {
    session_.showBestScores();
  } else if (command == "konec") {
    session_.quit();
  } else {
    session_.openAbout();
  }
  return true;
}

bool ConsoleCommands::onSettings(const std::string& command) {
  static const char* const kBoxes[] = {"check1", "check2", "check3"};
  std::size_t box = 0;
  while (box < std::size(kBoxes) && command != kBoxes[box]) ++box;
  if (box == std::size(kBoxes) && command != "ulozit") return false;
  if (!session_.isOpen(Screen::Nastaveni)) {
    ui_.error("nastavení není otevřené");
  } else if (box < std::size(kBoxes)) {
    session_.setSettingsCheck(box, !session_.settingsChecks()[box]);
  } else {
    session_.saveSettings();
  }
  return true;
}

bool ConsoleCommands::onAbout(const std::string& command) {
  if (command != "about-click" && command != "about-link") return false;
  if (!session_.isOpen(Screen::About)) {
    ui_.error("okno O hře není otevřené");
  } else if (command == "about-click") {
    session_.aboutBackgroundClicked();
  } else {
    session_.openHelpPage();
  }
  return true;
}

bool ConsoleCommands::onBestScores(const std::string& command) {
  if (command != "prohra-ok") return false;
  if (session_.isOpen(Screen::Prohra)) {
    session_.closeBestScores();
  } else {
    ui_.error("tabulka nejlepších není otevřená");
  }
  return true;
}

bool ConsoleCommands::onRebellion(const std::string& command) {
  if (command != "vzpoura-ok") return false;
  if (session_.isOpen(Screen::Vzpoura)) {
    session_.vzpouraOk();
  } else {
    ui_.error("vzpoura neprobíhá");
  }
  return true;
}

bool ConsoleCommands::onGameScreen(const std::string& command, const std::string& argument) {
  if (command == "ok" || command == "ano" || command == "ne") {
    pressButton(command);
  } else if (command == "zprava") {
    session_.buyReport();
  } else if (command == "set") {
    setQuantity(argument);
  } else {
    const MenuEntry entry = *menuEntryForCommand(command);
    if (!session_.game()->screen().menuEnabled[indexOf(entry)]) {
      ui_.error("položka nabídky není dostupná: " + command);
    } else {
      session_.menuCommand(entry);
    }
  }
  return true;
}

void ConsoleCommands::pressButton(const std::string& button) {
  const GameScreen& screen = session_.game()->screen();
  const bool visible = button == "ok"    ? screen.okVisible
                       : button == "ano" ? screen.anoVisible
                                         : screen.neVisible;
  if (!visible) {
    ui_.error("tlačítko není vidět: " + button);
  } else if (button == "ok") {
    session_.ok();
  } else if (button == "ano") {
    session_.ano();
  } else {
    session_.ne();
  }
}

void ConsoleCommands::printState() {
  out_ << stateLines(session_) << '\n';
}

void ConsoleCommands::setQuantity(const std::string& argument) {
  // Named members, not a structured binding: C++17 does not let a lambda capture one.
  const auto parts = splitCommand(argument);
  const std::string& name = parts.first;
  const std::string& value = parts.second;
  const auto quantity = quantityNamed(name);
  if (!quantity) {
    ui_.error("neznámá veličina: " + transcriptField(name));
    return;
  }
  if (isNameQuantity(*quantity)) {
    session_.play([&](Game& game) { game.setName(*quantity, value); });
    return;
  }
  const auto number = strictWholeNumber(value);
  if (!number) {
    ui_.error("hodnota není celé číslo: " + transcriptField(value));
    return;
  }
  session_.play([&](Game& game) { game.set(*quantity, static_cast<double>(*number)); });
}

}  // namespace velmoran
