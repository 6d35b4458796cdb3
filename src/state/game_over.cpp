// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <limits>
#include <string>

#include "files/best_scores.h"
#include "state/file_messages.h"
#include "state/game.h"
#include "state/messages.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char kBestScoresFile[] = "best.dat";

long long monthsRuled(double vlada) {
  constexpr double kLimit = 1e18;
  return static_cast<long long>(std::fmax(-kLimit, std::fmin(kLimit, std::floor(vlada))));
}

}  // namespace

void Game::GameOver() {
  if (ended_) throw GameEnded{};
  ended_ = true;
  const auto path = session_.folders().player / kBestScoresFile;
  // The months the ruler is told are the months the table keeps.
  const long long months = monthsRuled(value(Quantity::vlada));
  BestScores table;
  const FileFault fault = enterReign(path, text(Quantity::jmeno), months, &table);
  if (fault != FileFault::None) {
    ui().message(Icon::Critical, kFileErrorTitle, withCause(kMissingBestScores, fault));
    session_.closeScreen(Screen::Main);
    session_.openScreen(Screen::Menu);
    throw GameEnded{};
  }
  // A reign whose score could not be kept leaves no chronicle either: the game folder stays
  // as the player left it.
  session_.endReign(finishChronicle(months), table);
  session_.endKeptReign();
  ui().message(Icon::None, "Vaše vláda", "Vládnul jste " + std::to_string(months) + " měsíců.");
  session_.showBestScores();
  session_.showEndedReign();
  session_.closeScreen(Screen::Main);
  throw GameEnded{};
}

}  // namespace velmoran
