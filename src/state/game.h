// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "state/game_screen.h"
#include "state/menu_entries.h"
#include "state/quantity.h"
#include "state/rebellion_screen.h"
#include "state/reign_recorder.h"
#include "state/working_vars.h"

namespace velmoran {

class Random;
class Session;
class Ui;

// Thrown by `GameOver` once the game has ended: it unwinds whatever command, month turn or
// rebellion was running, so that nothing more of it takes effect. The session catches it and
// discards the game.
struct GameEnded {};

// One running game: the game screen `main` with the whole country state, and the procedures
// that the month turn, the answers and the commands share.
class Game {
 public:
  explicit Game(Session& session);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  const GameScreen& screen() const { return screen_; }
  const RebellionScreen& rebellion() const { return rebellion_; }
  WorkingVars& vars();
  Random& random();
  Ui& ui();

  // Quantities. Every write runs the quantity's change rule at once.
  const std::string& text(Quantity q) const { return screen_.texts[indexOf(q)]; }
  double value(Quantity q) const;
  void set(Quantity q, double value);
  void setName(Quantity q, const std::string& name);
  void add(Quantity q, double delta) { set(q, value(q) + delta); }

  // Writes the info panel's text. Its change rule runs at every write: the buttons follow the
  // last record read, and when the text really changes, that record's money is paid.
  void setInfo(const std::string& text);
  // Shows the data text named by the text file name. False, after telling the player, when
  // the file cannot be read: the panel then keeps what it showed.
  bool otevri();
  // Appends the amount text, the decimal text of `amount` followed by `unit` ("$", "00" or
  // "00$"), to the text on the panel.
  void appendAmount(long long amount, const std::string& unit);

  // Whether the player may give a command: none of the answer buttons is visible.
  bool Kontrola();
  // A random whole number from draw base to draw base + draw range - 1, kept as drawn number.
  std::uint8_t nahoda(std::uint8_t drawRange, std::uint8_t drawBase);
  // The losses of a battle: the strength keeps three quarters (the winner) or a third (the
  // loser), taken to the nearest whole number, a half to the even one. Strengths grow without
  // a cap, so the result is kept whole however large it is.
  void keepThreeQuarters(Quantity strength);
  void keepAThird(Quantity strength);
  // Moves `Procentu` by the territory change and redraws the territory bar.
  void prictipozemek(std::int16_t territoryChange);

  // Ends the game: enters the score into "best.dat", reports the months ruled, shows the
  // best scores and closes the game screen. Never returns: it throws GameEnded.
  [[noreturn]] void GameOver();

  // The chronicle of the reign: a moment worth a line, with up to two numbers, and the
  // figures of the country at a month's end. Neither changes anything of the game.
  void note(MomentKind kind, double first = 0, double second = 0);
  void recordMonthFigures();
  // The chronicle as the reign ends, with the figures of its last moment.
  ReignChronicle finishChronicle(long long months);
  // The chronicle of the reign so far, with the figures of this moment; the game's own
  // chronicle stays as it is.
  ReignChronicle chronicleSoFar() const;

  // A once-per-game command switches its own menu entry off until the next game.
  void withdraw(MenuEntry entry);
  bool isWithdrawn(MenuEntry entry) const { return !screen_.menuEnabled[indexOf(entry)]; }

  void setReportVisible(bool visible);
  void setMonthBannerVisible(bool visible);
  // While the rebellion lasts the game screen takes no input.
  void setEnabled(bool enabled);
  // Opens the rebellion screen `vzpoura`, if it is not open yet, and shows the two sides.
  void showRebellion(const RebellionScreen& sides);
  void closeRebellion();

  // The new game's territory: the partisans hold `partisanShare` percent.
  void setPartisanShare(std::uint8_t share);
  void applyLook(const DisplaySettings& look);

  // A kept reign going on: the game screen, the rebellion screen and the chronicle as they
  // were when it stopped.
  void restore(const GameScreen& screen, const RebellionScreen& rebellion, ReignRecorder recorder);
  const ReignRecorder& recorder() const { return recorder_; }

  // Handlers of the game screen that belong to no menu.
  void Form_Load();
  void Command1_Click();  // buys the secret police report

 private:
  void runChangeRule(Quantity q);
  void info_Change(bool textChanged);
  // The country's figures for the chronicle, as they stand.
  MonthFigures monthFigures() const;
  void changed();

  Session& session_;
  GameScreen screen_;
  RebellionScreen rebellion_;
  ReignRecorder recorder_;
  bool ended_ = false;
};

}  // namespace velmoran
