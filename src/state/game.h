#pragma once

#include <cstdint>
#include <string>

#include "commands/menu_entries.h"
#include "state/game_screen.h"
#include "state/quantity.h"
#include "state/working_vars.h"

namespace velmoran {

class Session;
class Ui;

// Thrown by `GameOver` once the game has ended: it unwinds whatever command or month turn was
// running, so that nothing more of it takes effect. The session catches it and discards the
// game.
struct GameEnded {};

// One running game: the game screen `main` with the whole country state and its rules.
class Game {
 public:
  explicit Game(Session& session);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  const GameScreen& screen() const { return screen_; }
  WorkingVars& vars();

  // Quantities. Every write runs the quantity's change rule at once.
  const std::string& text(Quantity q) const { return screen_.texts[indexOf(q)]; }
  double value(Quantity q) const;
  void set(Quantity q, double value);
  void setName(Quantity q, const std::string& name);
  void add(Quantity q, double delta) { set(q, value(q) + delta); }

  // The info panel: every write of its text runs the panel's change rule.
  void setInfo(const std::string& text);
  // Shows the data text named by the text file name.
  void otevri();

  // Whether the player may give a command: none of the answer buttons is visible.
  bool Kontrola();
  // A random whole number from draw base to draw base + draw range - 1, kept as drawn number.
  std::uint8_t nahoda(std::uint8_t drawRange, std::uint8_t drawBase);

  // Ends the game: enters the score into "best.dat", reports the months ruled, shows the
  // best scores and closes the game screen. Never returns: it throws GameEnded.
  [[noreturn]] void GameOver();

  // The new game's territory: the partisans hold `partisanShare` percent.
  void setPartisanShare(std::uint8_t share);
  void applyLook(const DisplaySettings& look);

  // Handlers of the game screen.
  void Form_Load();
  void ok_Click();
  void ano_Click();
  void ne_Click();
  void Command1_Click();  // buys the secret police report
  void menuCommand(MenuEntry entry);
  void noo_Click();  // "Nic"

  // Monthly events: each leaves the chosen file in the text file name.
  void mesicninahoda();
  void mesicninahoda2();
  void kratkanahoda();

 private:
  void runChangeRule(Quantity q);
  void info_Change();
  void monthTurn();
  void changed();
  Ui& ui();

  Session& session_;
  GameScreen screen_;
  bool ended_ = false;
};

}  // namespace velmoran
