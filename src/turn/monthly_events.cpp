#include "turn/monthly_events.h"

#include <string>

#include "state/game.h"
#include "state/random.h"

namespace velmoran {

namespace {

constexpr int kMonthlyEvents = 10;
constexpr int kBordanieDraw = 7;

}  // namespace

void mesicninahoda(Game& game) {
  WorkingVars& v = game.vars();
  const int r = game.random().oneTo(kMonthlyEvents);
  v.textFileName = std::to_string(r);
  // A draw of 8 (the rebellion) and of 9 (the partisans' attack) shows its month's text; the
  // rebellion screen and the battles behind them are not part of the game yet.
  if (r == kBordanieDraw && game.value(Quantity::brdo) >= 1) v.textFileName = "77";
  v.textFileName = "nahoda" + v.textFileName + ".ini";
}

void mesicninahoda2(Game& game) {
  WorkingVars& v = game.vars();
  v.textFileName = std::to_string(game.random().oneTo(kMonthlyEvents));
  v.textFileName = "nahod" + v.textFileName + ".ini";
}

void kratkanahoda(Game& game) {
  WorkingVars& v = game.vars();
  v.textFileName = std::to_string(game.random().oneTo(2));
  v.textFileName = v.textBaseName + v.textFileName + ".ini";
}

}  // namespace velmoran
