// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include "quiet_ui.h"
#include "state/session.h"

namespace velmoran {

// A copy of the shipped game folder in the temporary directory, one for every benchmark of a
// run, removed at the end.
const std::filesystem::path& gameFolder();

// Month after month of one running game, with a user interface that shows nothing. Only
// `playMonth` is the month turn; the rest keeps the game going around it and is left out of
// the timing.
class MonthPlayer {
 public:
  // With the chronicle's recorder or without it.
  MonthPlayer(const std::filesystem::path& folder, bool recording);

  // True every fourth month: the country wants `keepTheCountryStanding` before it.
  bool upkeepDue() { return months_++ % 4 == 0; }
  // A country that neither goes bankrupt, nor loses a war, nor rises against its ruler, so
  // that month follows month.
  void keepTheCountryStanding();
  // One month turn, as Ok on a text that ends the month runs it.
  void playMonth();
  // True when the month left the game screen waiting: a rebellion, or the reign's end.
  bool waiting() const { return !session_->takesInput(Screen::Main); }
  // The rebellion screen's OK, which the strong army wins; should the game end all the same,
  // the next month is played in a new game.
  void settle();

  long long newGames() const { return newGames_; }

 private:
  void startGame();

  std::filesystem::path folder_;
  bool recording_;
  QuietUi ui_;
  std::unique_ptr<Session> session_;
  long long months_ = 0;
  long long newGames_ = 0;
};

}  // namespace velmoran
