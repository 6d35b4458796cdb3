#include <cmath>
#include <limits>

#include "state/best_scores.h"
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
  const auto reading = readBestScores(path);
  const bool recorded =
      reading.table && writeBestScores(path, enterResult(*reading.table, text(Quantity::jmeno),
                                                         monthsRuled(value(Quantity::vlada))));
  if (!recorded) {
    ui().message(Icon::Critical, kFileErrorTitle, kMissingBestScores);
    session_.closeScreen(Screen::Main);
    session_.openScreen(Screen::Menu);
    throw GameEnded{};
  }
  ui().message(Icon::None, "Vaše vláda", "Vládnul jste " + text(Quantity::vlada) + " měsíců.");
  session_.showBestScores();
  session_.closeScreen(Screen::Main);
  throw GameEnded{};
}

}  // namespace velmoran
