#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

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
  // `folder` is the game folder: it holds data/, best.dat, data.dat and the sounds. The
  // month turn and the commands are the game's rules, handed in from above.
  Session(Ui& ui, std::filesystem::path folder, const TurnRules& turn,
          MenuCommandRunner menuCommand);
  ~Session();

  Ui& ui() { return ui_; }
  Random& random() { return random_; }
  WorkingVars& vars() { return vars_; }
  const std::filesystem::path& folder() const { return folder_; }

  bool isOpen(Screen screen) const;
  bool anyScreenOpen() const;
  // The running game, or null when there is no game screen.
  Game* game() { return game_.get(); }
  const Game* game() const { return game_.get(); }
  // The best-scores screen's six fields: jm0, sc0, jm1, sc1, jm2, sc2.
  const std::array<std::string, 6>& bestScoresShown() const { return bestScoresShown_; }
  bool finished() const { return finished_; }

  // The program's first screen.
  void openTitleMenu();

  // Title menu.
  void start();           // "Start"
  void showBestScores();  // "Top 3"; also the end of every game
  void quit();            // "Konec": ends the program

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
  std::filesystem::path folder_;
  TurnRules turn_;
  MenuCommandRunner menuCommand_;
  Random random_;
  WorkingVars vars_;
  std::unique_ptr<Game> game_;
  std::array<bool, 7> open_{};
  std::array<std::string, 6> bestScoresShown_;
  bool finished_ = false;
};

}  // namespace velmoran
