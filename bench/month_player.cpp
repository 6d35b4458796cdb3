// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_player.h"

#include <stdlib.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "commands/command_table.h"
#include "state/game.h"
#include "turn/month_turn.h"
#include "turn/turn_rules.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

class GameFolderCopy {
 public:
  GameFolderCopy() {
    std::string pattern = (fs::temp_directory_path() / "velmoran-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    fs::copy(VELMORAN_SOURCE_GAME_FOLDER, path_, fs::copy_options::recursive);
    // A player's texts lie in their folder long before a month is played; the game reads a
    // text changed in the last moments every time, so the copy is left to settle first.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  }
  ~GameFolderCopy() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

const fs::path& gameFolder() {
  static const GameFolderCopy copy;
  return copy.path();
}

MonthPlayer::MonthPlayer(const fs::path& folder, bool recording)
    : folder_(folder), recording_(recording) {
  startGame();
}

// A fresh session with a game started, as the player starts one.
void MonthPlayer::startGame() {
  session_ = std::make_unique<Session>(ui_, folder_, turnRules(), runMenuCommand);
  session_->setRecordsChronicles(recording_);
  session_->openTitleMenu();
  session_->start();
}

void MonthPlayer::keepTheCountryStanding() {
  session_->play([](Game& game) {
    game.set(Quantity::kasa, 0);
    game.set(Quantity::arm, 100000);
    for (Quantity q : {Quantity::polo, Quantity::armo, Quantity::delo, Quantity::rolo,
                       Quantity::chuo, Quantity::into}) {
      game.set(q, 10);
    }
  });
}

void MonthPlayer::playMonth() {
  session_->play([](Game& game) {
    game.vars().monthEnd = 1;
    ok_Click(game);
  });
}

void MonthPlayer::settle() {
  session_->vzpouraOk();
  if (!session_->takesInput(Screen::Main)) {
    startGame();
    ++newGames_;
  }
}

}  // namespace velmoran
