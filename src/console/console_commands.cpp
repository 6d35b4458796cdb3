#include "console/console_commands.h"

#include "console/line_source.h"
#include "state/decimal_text.h"
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
  if (onTitleMenu(command) || onBestScores(command) || onRebellion(command)) return;
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

bool ConsoleCommands::onTitleMenu(const std::string& command) {
  if (command != "start" && command != "top3" && command != "konec") return false;
  if (!session_.isOpen(Screen::Menu)) {
    ui_.error("hlavní nabídka není otevřená");
  } else if (command == "start") {
    session_.start();
  } else if (command == "top3") {
    session_.showBestScores();
  } else {
    session_.quit();
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
  const Game& game = *session_.game();
  const GameScreen& screen = game.screen();
  for (const auto& info : kQuantities) {
    out_ << info.name << '=' << transcriptField(game.text(info.quantity)) << '\n';
  }
  std::string buttons;
  if (screen.okVisible) buttons += " ok";
  if (screen.anoVisible) buttons += " ano";
  if (screen.neVisible) buttons += " ne";
  out_ << "buttons=" << (buttons.empty() ? "" : buttons.substr(1)) << '\n';
  out_ << "question=" << session_.vars().questionCode << '\n';
  out_ << "monthend=" << static_cast<int>(session_.vars().monthEnd) << '\n';
  out_ << "info=" << transcriptField(screen.info) << '\n';
  std::string withdrawn;
  for (const auto& info : kMenuEntries) {
    if (game.isWithdrawn(info.entry)) withdrawn += " " + std::string(info.command);
  }
  out_ << "withdrawn=" << (withdrawn.empty() ? "" : withdrawn.substr(1)) << '\n';
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
