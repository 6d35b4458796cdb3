// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/best_scores.h"
#include "files/chronicle_texts.h"
#include "files/data_text_shelf.h"
#include "files/game_folders.h"
#include "files/kept_chronicles.h"
#include "files/kept_reign.h"
#include "files/reign_lock.h"
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
  // The data texts, read as the panel shows them.
  DataTextShelf& dataTexts() { return dataTexts_; }

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
  void start();           // "Start"; asks first if it would replace an unfinished reign
  void resume();          // "Pokračovat": goes on with the unfinished reign
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
      {
        const Acting acting(acting_);
        handler(*game_);
      }
      actionDone();
    } catch (const GameEnded&) {
      discardGame();
    }
  }
  // A handler of the game screen.
  template <typename Handler>
  void play(Handler&& handler) {
    play(Screen::Main, std::forward<Handler>(handler));
  }

  // The chronicles of the reigns. Recording them changes nothing of a game; a run may go
  // without (the benchmarks measure what it costs).
  bool recordsChronicles() const { return recordsChronicles_; }
  void setRecordsChronicles(bool records) { recordsChronicles_ = records; }
  struct ShownChronicle {
    ReignChronicle chronicle;
    std::vector<ChronicleLine> lines;
  };
  // The last reign's chronicle, for the title menu and the best-scores screen; empty, after
  // telling the player why, when there is none or it cannot be read.
  std::optional<ShownChronicle> lastChronicle();
  // The same without its texts, for its figures alone.
  std::optional<ReignChronicle> lastReign();
  // The running reign's chronicle up to this moment, for the player to read back during play;
  // it changes nothing of the game. Empty when no game runs, and, after telling the player why,
  // when the chronicle's texts cannot be read.
  std::optional<ShownChronicle> reignSoFar();
  // The same without its texts, for its figures alone.
  std::optional<ReignChronicle> runningReign() const;
  // Best-scores screen: the ruler's name in `row` (0 to 2) opens that reign's chronicle.
  void openChronicleOfRow(std::size_t row);
  // The end of a reign: keeps its chronicle beside the best scores `best`.
  void endReign(const ReignChronicle& chronicle, const std::optional<BestScores>& best);
  // Shows the chronicle of the reign just ended beside the best-scores screen.
  void showEndedReign();

  // The unfinished reign, kept in the player's folder so that the next start can go on with
  // it. The title menu offers it, unless another running copy of the game holds it.
  struct ReignOffer {
    enum class State { None, Offered, Elsewhere };
    State state = State::None;
    std::string ruler;
    std::string country;
    long long month = 0;
  };
  const ReignOffer& reignOffer() const { return reignOffer_; }
  // When the reign is written: after every action of the player (a front end the player
  // drives by hand), or only when asked and when the reign is left (a script read at speed).
  enum class ReignKeeping { EveryAction, WhenAsked };
  void setReignKeeping(ReignKeeping keeping) { reignKeeping_ = keeping; }
  // Writes the reign being played, as it stands between two actions: the front ends ask for
  // it when the program is about to end (a signal, the end of the input).
  void keepReign();

  // Used by the rules.
  void openScreen(Screen screen);
  void closeScreen(Screen screen);
  // A game over: the reign is over for good once its score is stored.
  void endKeptReign();

 private:
  // Marks the time a handler of the player's runs, so that nothing keeps a half-done action.
  class Acting {
   public:
    explicit Acting(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Acting() { flag_ = was_; }
    Acting(const Acting&) = delete;
    Acting& operator=(const Acting&) = delete;

   private:
    bool& flag_;
    bool was_;
  };
  void actionDone();
  void refreshReignOffer();
  // Whether a new game may begin: asks before it replaces the offered reign.
  bool mayReplaceReign();
  // Whether the new game's reign is this copy's to keep: not while another copy holds it.
  bool takeReignForNewGame();
  void setAsideUnreadableReign(const KeptReignReading& reading);
  std::filesystem::path reignFile() const { return folders_.player / kKeptReignFile; }

  void abandonGame();
  void discardGame();
  void newGame();
  int titleMenuDraw(int range, int base);
  // The chronicle's texts, or empty after telling the player they cannot be read.
  std::optional<std::map<MomentKind, std::string>> chronicleTexts(bool told);
  // The chronicle kept, or empty after telling the player it is `damaged`.
  std::optional<ReignChronicle> found(const KeptChronicle& kept, const char* damaged);
  // The chronicle in its texts' words, or empty after telling the player why not.
  std::optional<ShownChronicle> inWords(const std::optional<ReignChronicle>& reign);

  Ui& ui_;
  GameFolders folders_;
  DataTextShelf dataTexts_{folders_};
  TurnRules turn_;
  MenuCommandRunner menuCommand_;
  Random random_;
  WorkingVars vars_;
  std::unique_ptr<Game> game_;
  std::array<bool, 7> open_{};
  std::array<std::string, 6> bestScoresShown_;
  SettingsChecks settingsChecks_{};
  bool finished_ = false;
  bool recordsChronicles_ = true;
  std::optional<ReignChronicle> endedReign_;
  ReignLock reignLock_{reignFile()};
  ReignOffer reignOffer_;
  std::optional<KeptReign> offeredReign_;
  ReignKeeping reignKeeping_ = ReignKeeping::WhenAsked;
  bool keepsThisReign_ = false;  // the reign being played is this copy's to write
  bool keepingFailed_ = false;   // the player has been told that the reign cannot be kept
  bool acting_ = false;
};

}  // namespace velmoran
