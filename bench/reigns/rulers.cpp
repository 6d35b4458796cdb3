// SPDX-License-Identifier: GPL-3.0-or-later
#include "rulers.h"

#include <vector>

#include "state/game.h"

namespace velmoran {

namespace {

// The careful ruler keeps this much in the treasury for the months to come.
constexpr double kReserve = 2000;

struct Loan {
  MenuEntry entry;
  Quantity lender;
};
constexpr Loan kLoans[] = {{MenuEntry::usap, Quantity::usao},
                           {MenuEntry::morpu, Quantity::moro},
                           {MenuEntry::pr, Quantity::ruso}};

// The groups that take sides in a rebellion by their popularity, and the subsidy that buys
// it back; three of the subsidies take the rest of the month.
struct Group {
  Quantity strength, popularity;
  MenuEntry subsidy;
  bool endsTheMonth;
};
constexpr Group kGroups[] = {
    {Quantity::arm, Quantity::armo, MenuEntry::army, false},
    {Quantity::pol, Quantity::polo, MenuEntry::police, false},
    {Quantity::chu, Quantity::chuo, MenuEntry::chudi, false},
    {Quantity::del, Quantity::delo, MenuEntry::prumysl, true},
    {Quantity::rol, Quantity::rolo, MenuEntry::zeme, true},
    {Quantity::inte, Quantity::into, MenuEntry::veda, true},
};

Move command(MenuEntry entry) {
  return {Move::Kind::Command, entry};
}

bool mayUse(const Game& game, MenuEntry entry) {
  return !game.isWithdrawn(entry);
}

// The buttons showing, as the moves that press them.
std::vector<Move> buttons(const Game& game) {
  std::vector<Move> moves;
  if (game.screen().okVisible) moves.push_back({Move::Kind::Ok});
  if (game.screen().anoVisible) moves.push_back({Move::Kind::Ano});
  if (game.screen().neVisible) moves.push_back({Move::Kind::Ne});
  return moves;
}

}  // namespace

Move PassiveRuler::next(Game& game) {
  if (game.screen().neVisible) return {Move::Kind::Ne};
  if (game.screen().okVisible) return {Move::Kind::Ok};
  return command(MenuEntry::noo);
}

Move RandomRuler::next(Game& game) {
  std::vector<Move> moves = buttons(game);
  if (moves.empty()) {
    for (const auto& info : kMenuEntries) {
      const bool leavesTheGame =
          info.entry == MenuEntry::mnewgame || info.entry == MenuEntry::mkonec;
      if (!leavesTheGame && mayUse(game, info.entry)) moves.push_back(command(info.entry));
    }
  }
  return moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(choices_)];
}

std::string RandomRuler::amountForTheGuard() {
  return std::to_string(std::uniform_int_distribution<int>(0, 600)(choices_));
}

bool RandomRuler::killsHimself() {
  return std::uniform_int_distribution<int>(0, 1)(choices_) == 1;
}

// In order: answer what the panel asks; take every loan a lender grants; with the treasury
// near the bankruptcy line, earn or let the month pass; when Bordánie turns hostile, pay the
// secret police until the defence outgrows it; keep those who stand by the ruler stronger
// than those who may rise against him; keep the army, the police and the poor content; fight
// the partisans when the army is stronger and grow the army when it is not; content the
// workers, the peasants and the intelligentsia; raise the budget; let the month pass.
Move CarefulRuler::next(Game& game) {
  const auto v = [&game](Quantity q) { return game.value(q); };
  const GameScreen& screen = game.screen();
  if (screen.anoVisible) {
    const std::int32_t code = game.vars().questionCode;
    const bool affordable = v(Quantity::kasa) > kReserve;
    const bool yes = code == 888 || code == 888888 || code == 1 ||
                     (affordable && (code == 88 || code == 88888 || code == 99999 || code == 8888));
    return {yes ? Move::Kind::Ano : Move::Kind::Ne};
  }
  if (screen.okVisible) return {Move::Kind::Ok};

  for (const Loan& loan : kLoans) {
    if (mayUse(game, loan.entry) && v(loan.lender) > 0) return command(loan.entry);
  }
  if (v(Quantity::kasa) < kReserve) {
    for (MenuEntry entry : {MenuEntry::povyseni, MenuEntry::ztph}) {
      if (mayUse(game, entry)) return command(entry);
    }
    return command(MenuEntry::noo);
  }

  const double defence = v(Quantity::arm) + v(Quantity::tp) + v(Quantity::os);
  if (v(Quantity::brdo) < 1 && defence <= v(Quantity::brd) + 3) return command(MenuEntry::fbi);

  // A group whose popularity is down to 1 may stand against the ruler when the rebellion comes.
  double loyal = v(Quantity::tp) + v(Quantity::os), doubtful = 0;
  for (const Group& group : kGroups)
    (v(group.popularity) > 1 ? loyal : doubtful) += v(group.strength);
  if (loyal < doubtful + 2) return command(MenuEntry::body);

  for (const Group& group : kGroups) {
    if (!group.endsTheMonth && v(group.popularity) <= 1) return command(group.subsidy);
  }
  if (v(Quantity::arm) > v(Quantity::par)) return command(MenuEntry::atakk);
  if (v(Quantity::arm) <= v(Quantity::par) + 2) return command(MenuEntry::army);
  for (const Group& group : kGroups) {
    if (group.endsTheMonth && v(group.popularity) <= 1) return command(group.subsidy);
  }
  if (v(Quantity::rozpocet2) < 0) return command(MenuEntry::reforma);
  return command(MenuEntry::noo);
}

}  // namespace velmoran
