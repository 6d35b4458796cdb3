#include <string>

#include "state/game.h"
#include "state/random.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr int kMonthlyEvents = 10;
constexpr int kBordanieDraw = 7;

}  // namespace

void Game::mesicninahoda() {
  WorkingVars& v = vars();
  const int r = session_.random().oneTo(kMonthlyEvents);
  v.textFileName = std::to_string(r);
  // A draw of 8 (the rebellion) and of 9 (the partisans' attack) shows its month's text; the
  // rebellion screen and the battles behind them are not part of the game yet.
  if (r == kBordanieDraw && value(Quantity::brdo) >= 1) v.textFileName = "77";
  v.textFileName = "nahoda" + v.textFileName + ".ini";
}

void Game::mesicninahoda2() {
  WorkingVars& v = vars();
  v.textFileName = std::to_string(session_.random().oneTo(kMonthlyEvents));
  v.textFileName = "nahod" + v.textFileName + ".ini";
}

void Game::kratkanahoda() {
  WorkingVars& v = vars();
  v.textFileName = std::to_string(session_.random().oneTo(2));
  v.textFileName = v.textBaseName + v.textFileName + ".ini";
}

}  // namespace velmoran
