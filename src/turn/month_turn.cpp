// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/month_turn.h"

#include "files/question_codes.h"
#include "state/game.h"
#include "turn/monthly_events.h"

namespace velmoran {

namespace {

constexpr Quantity kPopularityAtHome[] = {Quantity::polo, Quantity::armo, Quantity::delo,
                                          Quantity::rolo, Quantity::chuo, Quantity::into};

struct Growth {
  Quantity quantity;
  std::uint8_t drawRange;
  std::uint8_t drawBase;
};

// The poor's growth draw is always 0, yet it takes its turn in the random sequence.
constexpr Growth kMonthlyGrowth[] = {
    {Quantity::chu, 1, 0}, {Quantity::par, 2, 1}, {Quantity::brd, 2, 1},
    {Quantity::usa, 3, 1}, {Quantity::rus, 3, 1},
};

}  // namespace

namespace {

void monthTurn(Game& game) {
  game.add(Quantity::vlada, 1);
  mesicninahoda(game);
  game.otevri();
  game.setReportVisible(false);
  game.set(Quantity::rozpocet2, game.value(Quantity::zisk) * game.value(Quantity::Procentu) +
                                    game.value(Quantity::rozpocet));
  game.add(Quantity::kasa, game.value(Quantity::rozpocet2));
  for (Quantity q : kPopularityAtHome) game.add(q, -1);
  for (const Growth& g : kMonthlyGrowth) game.add(g.quantity, game.nahoda(g.drawRange, g.drawBase));
  game.setMonthBannerVisible(true);
  game.recordMonthFigures();
}

}  // namespace

void ok_Click(Game& game) {
  WorkingVars& v = game.vars();
  if (v.monthEnd == 1) {
    monthTurn(game);
  } else if (v.questionCode == kChainsToSecondText) {
    mesicninahoda2(game);
    game.otevri();
    game.setMonthBannerVisible(false);
  } else {
    v.questionCode = kNoQuestion;
    game.setInfo("");
  }
}

}  // namespace velmoran
