// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/monthly_events.h"

#include <string>

#include "state/game.h"
#include "state/random.h"
#include "turn/enemy_attacks.h"
#include "turn/rebellion.h"

namespace velmoran {

namespace {

constexpr int kMonthlyEvents = 10;
constexpr int kBordanieDraw = 7;
constexpr int kRebellionDraw = 8;
constexpr int kPartisansDraw = 9;

}  // namespace

void mesicninahoda(Game& game) {
  WorkingVars& v = game.vars();
  const int r = game.random().oneTo(kMonthlyEvents);
  v.textFileName = std::to_string(r);
  if (r == kRebellionDraw) vzpoura_Form_Load(game);
  if (r == kBordanieDraw) {
    // A Bordánie friendly enough sends its month's other text instead of an army.
    if (game.value(Quantity::brdo) < 1) {
      bordanieAttacks(game);
    } else {
      v.textFileName = "77";
    }
  }
  if (r == kPartisansDraw) partisansAttack(game);
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
