#include "state/game.h"

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

void Game::ok_Click() {
  WorkingVars& v = vars();
  if (v.monthEnd == 1) {
    monthTurn();
  } else if (v.questionCode == 99) {
    mesicninahoda2();
    otevri();
    screen_.monthBannerVisible = false;
    changed();
  } else {
    v.questionCode = -1;
    setInfo("");
  }
}

void Game::monthTurn() {
  add(Quantity::vlada, 1);
  mesicninahoda();
  otevri();
  screen_.reportVisible = false;
  changed();
  set(Quantity::rozpocet2,
      value(Quantity::zisk) * value(Quantity::Procentu) + value(Quantity::rozpocet));
  add(Quantity::kasa, value(Quantity::rozpocet2));
  for (Quantity q : kPopularityAtHome) add(q, -1);
  for (const Growth& g : kMonthlyGrowth) add(g.quantity, nahoda(g.drawRange, g.drawBase));
  screen_.monthBannerVisible = true;
  changed();
}

}  // namespace velmoran
