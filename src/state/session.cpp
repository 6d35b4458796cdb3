// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/session.h"

#include <cmath>
#include <utility>

#include "files/best_scores.h"
#include "files/game_files.h"
#include "state/file_messages.h"
#include "state/messages.h"

namespace velmoran {

namespace {

constexpr Screen kAllScreens[] = {Screen::Menu,      Screen::Main,  Screen::Prohra, Screen::Vzpoura,
                                  Screen::Nastaveni, Screen::About, Screen::Splash};

std::size_t slot(Screen screen) {
  return static_cast<std::size_t>(screen);
}

}  // namespace

// A copy of the game killed while it wrote a file leaves a temporary file behind; the next
// start clears it.
Session::Session(Ui& ui, GameFolders folders, const TurnRules& turn, MenuCommandRunner menuCommand)
    : ui_(ui), folders_(std::move(folders)), turn_(turn), menuCommand_(menuCommand) {
  for (const char* file : {"best.dat", "data.dat"}) clearInterruptedWrites(folders_.player / file);
  clearInterruptedChronicleWrites(folders_.player);
}

Session::~Session() = default;

bool Session::isOpen(Screen screen) const {
  return open_[slot(screen)];
}

bool Session::anyScreenOpen() const {
  for (bool open : open_) {
    if (open) return true;
  }
  return false;
}

void Session::openScreen(Screen screen) {
  if (open_[slot(screen)]) return;
  if (screen == Screen::Menu) refreshReignOffer();
  open_[slot(screen)] = true;
  ui_.openScreen(screen);
}

void Session::closeScreen(Screen screen) {
  if (!open_[slot(screen)]) return;
  open_[slot(screen)] = false;
  ui_.closeScreen(screen);
}

void Session::openTitleMenu() {
  openScreen(Screen::Menu);
}

void Session::start() {
  if (finished_ || !isOpen(Screen::Menu) || !mayReplaceReign()) return;
  const bool keeps = takeReignForNewGame();
  try {
    newGame();
    keepsThisReign_ = keeps;
    actionDone();
  } catch (const GameEnded&) {
    discardGame();
  }
}

int Session::titleMenuDraw(int range, int base) {
  const double r = random_.next();
  return static_cast<int>(std::floor(r * range + base));
}

void Session::showBestScores() {
  const BestScoresReading reading = readBestScores(folders_.player / "best.dat");
  bestScoresShown_ = {};
  for (std::size_t i = 0; i < reading.fields.size() && i < bestScoresShown_.size(); ++i) {
    bestScoresShown_[i] = reading.fields[i];
  }
  openScreen(Screen::Prohra);
  ui_.bestScoresChanged();
  if (reading.table) {
    ui_.playSound("top.dat");
  } else {
    ui_.message(Icon::Critical, kFileErrorTitle, withCause(kMissingBestScores, reading.fault));
  }
}

void Session::quit() {
  for (Screen screen : kAllScreens) closeScreen(screen);
  game_.reset();
  reignLock_.release();
  finished_ = true;
}

void Session::closeBestScores() {
  if (!isOpen(Screen::Prohra)) return;
  openScreen(Screen::Menu);
  closeScreen(Screen::Prohra);
}

bool Session::takesInput(Screen screen) const {
  if (!game_ || !isOpen(screen)) return false;
  return screen != Screen::Main || game_->screen().enabled;
}

void Session::menuCommand(MenuEntry entry) {
  if (!takesInput(Screen::Main)) return;
  if (entry == MenuEntry::mnewgame || entry == MenuEntry::mkonec) {
    abandonGame();
    return;
  }
  play([this, entry](Game& game) { menuCommand_(game, entry); });
}

void Session::ok() {
  play([this](Game& game) {
    if (game.screen().okVisible) turn_.ok_Click(game);
  });
}

void Session::ano() {
  play([this](Game& game) {
    if (game.screen().anoVisible) turn_.ano_Click(game);
  });
}

void Session::ne() {
  play([this](Game& game) {
    if (game.screen().neVisible) turn_.ne_Click(game);
  });
}

void Session::buyReport() {
  play([](Game& game) { game.Command1_Click(); });
}

void Session::vzpouraOk() {
  play(Screen::Vzpoura, [this](Game& game) { turn_.vzpouraOk_Click(game); });
}

// Closing the rebellion screen decides the rebellion as its OK does: the game screen must not
// stay switched off for ever. Closing the game screen keeps the reign for the next start.
void Session::closedByPlayer(Screen screen) {
  if (screen == Screen::Main) {
    keepReign();
    discardGame();
  } else if (screen == Screen::Vzpoura && takesInput(Screen::Vzpoura)) {
    vzpouraOk();
  } else {
    closeScreen(screen);
  }
}

// The reign left stays offered on the title menu until the player starts another one.
void Session::abandonGame() {
  keepReign();
  openScreen(Screen::Menu);
  discardGame();
}

void Session::discardGame() {
  closeScreen(Screen::Vzpoura);
  closeScreen(Screen::Main);
  game_.reset();
  keepsThisReign_ = false;
}

}  // namespace velmoran
