// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_table.h"
#include "expected_messages.h"
#include "script_ui.h"
#include "state/session.h"
#include "test_game_folder.h"
#include "turn/turn_rules.h"

namespace velmoran::testing {

using Q = Quantity;

inline std::string fileError(const char* sentence, const char* cause) {
  return "MSG critical CHYBA " + withCause(sentence, cause);
}
inline const std::string kDataTextError = fileError(kDataTextMissing, kCauseMissing);
inline const std::string kBankruptcy = std::string("MSG critical Prohra ") + kBankruptcyText;

// A game folder with a complete small data set, a session on it and the title menu open.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.writeDataText("welcome.ini", 0, "Vítej, vládce.", 1, 0, 0);
    for (int n = 1; n <= 10; ++n) {
      writeEvent(n, 0);
      folder.writeDataText("nahod" + std::to_string(n) + ".ini", 0, "Dohra " + std::to_string(n), 1,
                           0, 0);
    }
    writeEvent(77, 0);
    folder.writeDataText("seznameni.ini", 0, "Seznámení", 1, 0, 0);
    folder.writeDataText("nic.ini", 0, "Nic se neděje.", 1, 0, 1);
    for (const std::string base : {"sesazeni", "atentat"}) {
      for (const std::string n : {"1", "2"})
        folder.writeDataText(base + n + ".ini", 0, base + n, 1, 0, 0);
    }
    folder.writeBest("Alois\n30\nBožena\n20\nCyril\n10\n");
    folder.writeSettings("1,1,1");
    session.openTitleMenu();
  }

  void writeEvent(int n, int money) {
    folder.writeDataText("nahoda" + std::to_string(n) + ".ini", 0, "Událost " + std::to_string(n),
                         1, money, 0);
  }
  void startGame() {
    session.start();
    ASSERT_NE(session.game(), nullptr);
  }
  // Ends the running game, or leaves the best scores, and starts the next one.
  void restart() {
    if (session.game()) session.menuCommand(MenuEntry::mnewgame);
    session.closeBestScores();
    // The reign left is replaced.
    if (session.reignOffer().state == Session::ReignOffer::State::Offered)
      ui.yesNo.push_front(true);
    startGame();
  }
  Game& game() { return *session.game(); }
  const std::string& text(Q q) { return game().text(q); }
  double value(Q q) { return game().value(q); }
  void set(Q q, double v) {
    session.play([&](Game& g) { g.set(q, v); });
  }
  // Shows a data text the way a command does.
  void show(std::int32_t code, const std::string& info, int mode, std::int32_t money,
            int monthEnd) {
    folder.writeDataText("t.ini", code, info, mode, money, monthEnd);
    showFile("t.ini");
  }
  void showFile(const std::string& name) {
    session.play([&](Game& g) {
      g.vars().textFileName = name;
      g.otevri();
    });
  }
  std::string buttons() {
    const GameScreen& s = game().screen();
    return std::string(s.okVisible ? "Ok" : "") + (s.anoVisible ? "Ano" : "") +
           (s.neVisible ? "Ne" : "");
  }
  std::vector<std::string> logSince(std::size_t from) {
    return std::vector<std::string>(ui.log.begin() + static_cast<long>(from), ui.log.end());
  }

  TestGameFolder folder;
  ScriptUi ui;
  Session session{ui, folder.path(), turnRules(), runMenuCommand};
};

}  // namespace velmoran::testing
