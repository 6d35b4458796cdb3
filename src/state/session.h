// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "files/game_folders.h"
#include "state/game.h"
#include "state/game_rules.h"
#include "state/menu_entries.h"
#include "state/random.h"
#include "state/ui.h"
#include "state/working_vars.h"

namespace velmoran {

// One run of the program: its screens, its random generator, the game screen's working
// variables and the game being played. Both front ends drive the game through it.
class Session {
 public:
  // The three check boxes of the settings screen, in the order of the values of "data.dat".
  using SettingsChecks = std::array<bool, 3>;

  // `folders` are where the game's files are. The month turn and the commands are the game's
  // rules, handed in from above.
  Session(Ui& ui, GameFolders folders, const TurnRules& turn, MenuCommandRunner menuCommand);
  ~Session();

  Ui& ui() { return ui_; }
  Random& random() { return random_; }
  WorkingVars& vars() { return vars_; }
  const GameFolders& folders() const { return folders_; }

  bool isOpen(Screen screen) const;
  bool anyScreenOpen() const;
  // The running game, or null when there is no game screen.
  Game* game() { return game_.get(); }
  const Game* game() const { return game_.get(); }
  // The best-scores screen's six fields: jm0, sc0, jm1, sc1, jm2, sc2.
  const std::array<std::string, 6>& bestScoresShown() const { return bestScoresShown_; }
  bool finished() const { return finished_; }
  // The settings screen's check boxes while it is open.
  const SettingsChecks& settingsChecks() const { return settingsChecks_; }
  // The address the about box shows and opens: the help page that comes with the game.
  std::string helpPageAddress() const;

  // The program's first screen, and its timer, which gives way to the title menu once.
  void openSplash();
  void splashTimer();
  // Opens the title menu: after the splash screen, or straight away.
  void openTitleMenu();

  // Title menu.
  void start();           // "Start"
  void openSettings();    // "Nastavení"
  void showBestScores();  // "Top 3"; also the end of every game
  void quit();            // "Konec": ends the program
  void openAbout();       // "O hře"

  // Settings screen: a check box, and "Uložit".
  void setSettingsCheck(std::size_t box, bool ticked);
  void saveSettings();

  // About box: a click on its background, and on its address.
  void aboutBackgroundClicked();
  void openHelpPage();

  // Best-scores screen: its "Ok".
  void closeBestScores();

  // Game screen: a command of its menu bar, its buttons and the report.
  void menuCommand(MenuEntry entry);
  void ok();
  void ano();
  void ne();
  void buyReport();

  // Rebellion screen: its "OK", which decides the rebellion.
  void vzpouraOk();

  // The player closed a window with its close box.
  void closedByPlayer(Screen screen);

  // Whether `screen` of the running game takes the player's input now: the game screen while
  // it is switched on, the rebellion screen while it is open.
  bool takesInput(Screen screen) const;

  // Runs a handler of `screen` while that screen takes input. If the game ends inside it, the
  // rest of the handler is cut off and the game is discarded.
  template <typename Handler>
  void play(Screen screen, Handler&& handler) {
    if (!takesInput(screen)) return;
    try {
      handler(*game_);
    } catch (const GameEnded&) {
      discardGame();
    }
  }
  // A handler of the game screen.
  template <typename Handler>
  void play(Handler&& handler) {
    play(Screen::Main, std::forward<Handler>(handler));
  }

  // Used by the rules.
  void openScreen(Screen screen);
  void closeScreen(Screen screen);

 private:
  void abandonGame();
  void discardGame();
  void newGame();
  int titleMenuDraw(int range, int base);

  Ui& ui_;
  GameFolders folders_;
  TurnRules turn_;
  MenuCommandRunner menuCommand_;
  Random random_;
  WorkingVars vars_;
  std::unique_ptr<Game> game_;
  std::array<bool, 7> open_{};
  std::array<std::string, 6> bestScoresShown_;
  SettingsChecks settingsChecks_{};
  bool finished_ = false;
};

}  // namespace velmoran
