// SPDX-License-Identifier: GPL-3.0-or-later
// "Ekonomika": three measures that raise the monthly budget for good, and three loans that
// the lenders grant while they like the ruler. A loan is a gift: nobody ever asks for it back.
#include "commands/menu_commands.h"
#include "state/game.h"

namespace velmoran {

namespace {

// Shows the text and the amount after it.
void showWithAmount(Game& game, const char* textFile, int amount, const char* unit) {
  game.vars().textFileName = textFile;
  if (game.otevri()) game.appendAmount(amount, unit);
}

int budgetRaise(Game& game) {
  return game.nahoda(35, 0);
}

struct Loan {
  MenuEntry entry;
  Quantity lender;  // the lender's attitude
  const char* granted;
  const char* refused;
  std::uint8_t drawRange, drawBase;
  bool monthly;  // dollars a month for good, rather than hundreds at once
  MomentKind lends, refuses;
};

constexpr Loan kFromRussia = {
    MenuEntry::pr,           Quantity::ruso,           "rusa.ini", "rusn.ini", 5, 0, true,
    MomentKind::RussiaLends, MomentKind::RussiaRefuses};
constexpr Loan kFromUsa = {
    MenuEntry::usap,      Quantity::usao,        "usaa.ini", "usan.ini", 50, 2, false,
    MomentKind::UsaLends, MomentKind::UsaRefuses};
constexpr Loan kFromMorava = {
    MenuEntry::morpu,        Quantity::moro,           "mora.ini", "morn.ini", 20, 1, false,
    MomentKind::MoravaLends, MomentKind::MoravaRefuses};

// A lender who likes the ruler grants the loan once a game; one who does not refuses, and may
// be asked again later. Russia pays a little every month, the others in hundreds at once.
void ask(Game& game, const Loan& loan) {
  if (game.value(loan.lender) <= 0) {
    game.note(loan.refuses);
    game.vars().textFileName = loan.refused;
    game.otevri();
    return;
  }
  game.vars().textFileName = loan.granted;
  const bool shown = game.otevri();
  const int amount = game.nahoda(loan.drawRange, loan.drawBase);
  game.note(loan.lends, loan.monthly ? amount : 100 * amount);
  if (shown) game.appendAmount(amount, loan.monthly ? "$" : "00$");
  if (loan.monthly) {
    game.add(Quantity::rozpocet, amount);
    game.withdraw(loan.entry);
  } else {
    game.withdraw(loan.entry);
    game.add(Quantity::kasa, 100 * amount);
  }
}

}  // namespace

// A reform angers the workers, the peasants and the intelligentsia alike.
void reforma_Click(Game& game) {
  const int raise = budgetRaise(game);
  showWithAmount(game, "reforma.ini", raise, "$");
  game.add(Quantity::delo, -1);
  game.add(Quantity::rolo, -1);
  game.add(Quantity::into, -1);
  game.add(Quantity::rozpocet, raise);
}

void ztph_Click(Game& game) {
  const int raise = budgetRaise(game);
  game.withdraw(MenuEntry::ztph);
  game.note(MomentKind::Nationalisation, raise);
  showWithAmount(game, "znarodneni.ini", raise, "$");
  game.add(Quantity::rozpocet, raise);
}

void strojparko_Click(Game& game) {
  const int raise = budgetRaise(game);
  showWithAmount(game, "park.ini", raise, "$");
  game.add(Quantity::rozpocet, raise);
}

void pr_Click(Game& game) {
  ask(game, kFromRussia);
}

void usap_Click(Game& game) {
  ask(game, kFromUsa);
}

void morpu_Click(Game& game) {
  ask(game, kFromMorava);
}

}  // namespace velmoran
