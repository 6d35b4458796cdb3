// SPDX-License-Identifier: GPL-3.0-or-later
// What the game tells its chronicle: it reads the country, and changes nothing of it.
#include <cmath>

#include "state/game.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr Quantity kPopularityAtHome[] = {Quantity::polo, Quantity::armo, Quantity::delo,
                                          Quantity::rolo, Quantity::chuo, Quantity::into};

long long whole(double value) {
  constexpr double kLimit = 1e18;
  return static_cast<long long>(std::fmax(-kLimit, std::fmin(kLimit, std::nearbyint(value))));
}

}  // namespace

void Game::note(MomentKind kind, double first, double second) {
  if (!session_.recordsChronicles()) return;
  recorder_.note({whole(value(Quantity::vlada)), kind, {whole(first), whole(second)}});
}

MonthFigures Game::monthFigures() const {
  MonthFigures f;
  f.month = whole(value(Quantity::vlada));
  f.treasury = whole(value(Quantity::kasa));
  f.budget = whole(value(Quantity::rozpocet2));
  f.territory = whole(value(Quantity::Procentu));
  f.defence = whole(value(Quantity::arm) + value(Quantity::tp) + value(Quantity::os));
  f.partisans = whole(value(Quantity::par));
  f.bordanie = whole(value(Quantity::brd));
  for (std::size_t i = 0; i < f.popularity.size(); ++i) {
    f.popularity[i] = whole(value(kPopularityAtHome[i]));
  }
  return f;
}

void Game::recordMonthFigures() {
  if (!session_.recordsChronicles()) return;
  if (!recorder_.keepsMonth(whole(value(Quantity::vlada)))) return;
  recorder_.recordMonth(monthFigures());
}

ReignChronicle Game::chronicleSoFar() const {
  return recorder_.finish(monthFigures(), text(Quantity::jmeno), text(Quantity::stat),
                          whole(value(Quantity::vlada)));
}

ReignChronicle Game::finishChronicle(long long months) {
  return recorder_.finish(monthFigures(), text(Quantity::jmeno), text(Quantity::stat), months);
}

}  // namespace velmoran
