// SPDX-License-Identifier: GPL-3.0-or-later
// "Války": the ruler's own battles and the saboteur. In a battle only the army fights, the
// stronger side wins without any chance, and a tie goes to the ruler.
#include <string>

#include "commands/menu_commands.h"
#include "files/decimal_text.h"
#include "state/game.h"
#include "state/ui.h"

namespace velmoran {

namespace {

constexpr char kAttackTitle[] = "Útok Bordánie";
constexpr std::int16_t kTerritoryWon = 2;
constexpr std::int16_t kTerritoryLost = -3;

// Announces the attack and tells whether the army wins it, for the chronicle too. The winner
// keeps three quarters of its strength, the loser a third.
bool armyWins(Game& game, const std::string& opening, Quantity enemy, MomentKind won,
              MomentKind lost) {
  game.ui().message(Icon::Warning, kAttackTitle,
                    opening + "\nJejich síla: " + game.text(enemy) +
                        "\nNaše síla: " + decimalText(game.value(Quantity::arm)));
  const bool wins = game.value(enemy) <= game.value(Quantity::arm);
  game.note(wins ? won : lost, game.value(enemy), game.value(Quantity::arm));
  return wins;
}

void show(Game& game, const char* textFile) {
  game.vars().textFileName = textFile;
  game.otevri();
}

}  // namespace

void brda_Click(Game& game) {
  if (armyWins(game, "Zaútočili jsme na Bordánii ", Quantity::brd, MomentKind::WarWon,
               MomentKind::WarLost)) {
    game.ui().message(Icon::Information, "Výhra",
                      "Útok na Bordánii byl úspěšný.\nVálečné náklady byly 350$");
    game.keepThreeQuarters(Quantity::arm);
    game.keepAThird(Quantity::brd);
    show(game, "utokbrd.ini");
  } else {
    game.ui().message(Icon::Information, "Porážka", "Vojska Bordánie ty naše rozdrtila!");
    game.keepAThird(Quantity::arm);
    game.keepThreeQuarters(Quantity::brd);
  }
  // Win or lose, the world disapproves.
  game.add(Quantity::brdo, -2);
  game.add(Quantity::moro, -1);
  game.add(Quantity::usao, -1);
  game.add(Quantity::ruso, -1);
}

void atakk_Click(Game& game) {
  if (armyWins(game, "Zaútočili jsme na partyzány ", Quantity::par, MomentKind::PartisanRaidWon,
               MomentKind::PartisanRaidLost)) {
    game.ui().message(Icon::Information, "Výhra",
                      "Útok na partyzány byl úspěšný.\n Válečné náklady byly 250$.\n"
                      " Získali jsme 2% území.");
    game.keepThreeQuarters(Quantity::arm);
    game.keepAThird(Quantity::par);
    game.prictipozemek(kTerritoryWon);
    show(game, "utokpar.ini");
  } else {
    game.ui().message(Icon::Information, "Porážka",
                      "Naše vojska byla poražena!\n Přišli jsme o 3% území.");
    game.keepAThird(Quantity::arm);
    game.keepThreeQuarters(Quantity::par);
    game.prictipozemek(kTerritoryLost);
  }
}

void diver_Click(Game& game) {
  if (game.nahoda(2, 1) == 1) {
    game.note(MomentKind::SaboteurSucceeded);
    show(game, "divera.ini");
    game.add(Quantity::brdo, -1);
    game.add(Quantity::brd, -2);
  } else {
    game.note(MomentKind::SaboteurFailed);
    show(game, "divern.ini");
    game.add(Quantity::moro, -1);
    game.add(Quantity::brdo, -1);
  }
}

}  // namespace velmoran
