// SPDX-License-Identifier: GPL-3.0-or-later
// The calls the page makes into the game, one for each thing the player can do. The page makes
// one call at a time: a call that waits in a box for the player is finished before the next.
#include <emscripten.h>

#include <memory>
#include <string>

#include "commands/command_table.h"
#include "files/decimal_text.h"
#include "files/game_folders.h"
#include "state/session.h"
#include "transcript/transcript_lines.h"
#include "turn/turn_rules.h"
#include "web/page_state.h"
#include "web/web_ui.h"

namespace {

using namespace velmoran;

// The shipped game folder lies in the page's file system at /game, packed with the page; the
// player's files at /velmoran, kept in the browser's storage.
constexpr char kShipped[] = "/game";
constexpr char kPlayer[] = "/velmoran";

struct Page {
  WebUi ui;
  std::unique_ptr<Session> session;
  std::string answer;  // what the last call that returns a text returned
};

Page& thePage() {
  static Page page;
  return page;
}

// Runs `action` on the session, then hands the page what changed.
template <typename Action>
void drive(Action action) {
  Page& page = thePage();
  if (!page.session) return;
  action(*page.session);
  page.ui.showState();
}

const char* answer(std::string text) {
  thePage().answer = std::move(text);
  return thePage().answer.c_str();
}

}  // namespace

extern "C" {

// The program starts: the splash screen opens.
EMSCRIPTEN_KEEPALIVE void velmoran_boot() {
  Page& page = thePage();
  if (page.session) return;
  const GameFolders folders = locateGameFolders(kPlayer, std::filesystem::path(kShipped), kPlayer);
  page.session = std::make_unique<Session>(page.ui, folders, turnRules(), runMenuCommand);
  // The player drives the page by hand: the unfinished reign is kept after every action.
  page.session->setReignKeeping(Session::ReignKeeping::EveryAction);
  page.ui.attach(*page.session);
  drive([](Session& s) { s.openSplash(); });
}

EMSCRIPTEN_KEEPALIVE void velmoran_splash_timer() {
  drive([](Session& s) { s.splashTimer(); });
}

// The title menu's buttons: Start, Nastavení, Top 3, Konec, O hře, and Pokračovat when a reign
// is unfinished.
EMSCRIPTEN_KEEPALIVE void velmoran_title_menu(int button) {
  drive([button](Session& s) {
    if (!s.isOpen(Screen::Menu)) return;
    switch (button) {
      case 0:
        return s.start();
      case 1:
        return s.openSettings();
      case 2:
        return s.showBestScores();
      case 3:
        return s.quit();
      case 4:
        return s.openAbout();
      case 5:
        return s.resume();
    }
  });
}

// An entry of the game screen's menu bar, by its place in the menu bar's table.
EMSCRIPTEN_KEEPALIVE void velmoran_menu_entry(int index) {
  drive([index](Session& s) {
    const Game* game = s.game();
    if (!game || index < 0 || index >= static_cast<int>(kMenuEntryCount)) return;
    const auto entry = static_cast<MenuEntry>(index);
    if (game->isWithdrawn(entry)) return;
    s.menuCommand(entry);
  });
}

// The game screen's buttons: Ok, Ano, Ne, and the report's.
EMSCRIPTEN_KEEPALIVE void velmoran_game_button(int button) {
  drive([button](Session& s) {
    const Game* game = s.game();
    if (!game) return;
    const GameScreen& screen = game->screen();
    if (button == 0 && screen.okVisible) s.ok();
    if (button == 1 && screen.anoVisible) s.ano();
    if (button == 2 && screen.neVisible) s.ne();
    if (button == 3) s.buyReport();
  });
}

EMSCRIPTEN_KEEPALIVE void velmoran_rebellion_ok() {
  drive([](Session& s) {
    if (s.isOpen(Screen::Vzpoura)) s.vzpouraOk();
  });
}

EMSCRIPTEN_KEEPALIVE void velmoran_best_scores_ok() {
  drive([](Session& s) {
    if (s.isOpen(Screen::Prohra)) s.closeBestScores();
  });
}

EMSCRIPTEN_KEEPALIVE void velmoran_chronicle_of_row(int row) {
  drive([row](Session& s) {
    if (s.isOpen(Screen::Prohra) && row >= 0 && row < 3) s.openChronicleOfRow(std::size_t(row));
  });
}

// The running reign's chronicle, during play (Hra > Kronika vlády, F3): it changes nothing.
EMSCRIPTEN_KEEPALIVE void velmoran_reign_so_far() {
  Page& page = thePage();
  drive([&page](Session& s) {
    if (const auto sofar = s.reignSoFar()) page.ui.showChronicle(sofar->chronicle, sofar->lines);
  });
}

EMSCRIPTEN_KEEPALIVE void velmoran_settings_check(int box, int ticked) {
  drive([box, ticked](Session& s) { s.setSettingsCheck(std::size_t(box), ticked != 0); });
}

EMSCRIPTEN_KEEPALIVE void velmoran_settings_save() {
  drive([](Session& s) { s.saveSettings(); });
}

// The about box: a click on its background, or on its address.
EMSCRIPTEN_KEEPALIVE void velmoran_about_click(int onAddress) {
  drive([onAddress](Session& s) {
    if (!s.isOpen(Screen::About)) return;
    if (onAddress) {
      s.openHelpPage();
    } else {
      s.aboutBackgroundClicked();
    }
  });
}

// The player closed a window with its close box, by the screen's place in the Screen enum.
EMSCRIPTEN_KEEPALIVE void velmoran_closed_by_player(int screen) {
  drive([screen](Session& s) { s.closedByPlayer(static_cast<Screen>(screen)); });
}

// The terminal edition's "set NAME VALUE", for the tests: sets a quantity of the running game
// as the rules would. 0 when the name or the number is not one.
EMSCRIPTEN_KEEPALIVE int velmoran_set(const char* name, const char* value) {
  int done = 0;
  drive([&](Session& s) {
    const auto quantity = quantityNamed(name);
    if (!s.game() || !quantity) return;
    if (isNameQuantity(*quantity)) {
      s.play([&](Game& game) { game.setName(*quantity, value); });
      done = 1;
    } else if (const auto number = strictWholeNumber(value)) {
      s.play([&](Game& game) { game.set(*quantity, static_cast<double>(*number)); });
      done = 1;
    }
  });
  return done;
}

// The terminal edition's "state": every quantity of the running game, as its transcript has it.
EMSCRIPTEN_KEEPALIVE const char* velmoran_state_lines() {
  Page& page = thePage();
  if (!page.session || !page.session->game()) return answer("");
  return answer(stateLines(*page.session) + '\n');
}

EMSCRIPTEN_KEEPALIVE const char* velmoran_take_transcript() {
  return answer(thePage().ui.takeTranscript());
}

EMSCRIPTEN_KEEPALIVE const char* velmoran_menu_bar() {
  return answer(menuBarJson());
}

}  // extern "C"
