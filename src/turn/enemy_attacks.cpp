// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/enemy_attacks.h"

#include "files/decimal_text.h"
#include "state/game.h"
#include "state/ui.h"

namespace velmoran {

namespace {

constexpr char kAttackTitle[] = "Útok Bordánie";
constexpr std::int16_t kTerritoryLostToPartisans = -2;

double defence(const Game& game) {
  return game.value(Quantity::arm) + game.value(Quantity::tp) + game.value(Quantity::os);
}

// The announcement shows the enemy's strength as its label shows it.
void announce(Game& game, const std::string& opening, Quantity enemy, const std::string& indent) {
  game.ui().message(Icon::Warning, kAttackTitle,
                    opening + "\n" + indent + "Jejich síla: " + game.text(enemy) + "\n" + indent +
                        "Naše síla: " + decimalText(defence(game)));
}

}  // namespace

void bordanieAttacks(Game& game) {
  announce(game, "Bordánie na nás zaútočila ", Quantity::brd, "");
  if (game.value(Quantity::brd) < defence(game)) {
    game.note(MomentKind::BordanieRepelled, game.value(Quantity::brd), defence(game));
    game.ui().message(Icon::Information, "Výhra", "Útok Bordánie byl odražen.");
    game.keepThreeQuarters(Quantity::arm);
    game.keepAThird(Quantity::brd);
  } else {
    game.note(MomentKind::BordanieWon, game.value(Quantity::brd), defence(game));
    game.ui().message(Icon::Information, "Porážka",
                      "Vojska Bordánie ty naše rozdrtila.\n"
                      " Musel jste emigrovat do zahraničí. PROHRÁLS!");
    game.GameOver();
  }
}

void partisansAttack(Game& game) {
  announce(game, " Pyrtyzáni na nás zaútočili ", Quantity::par, " ");
  if (game.value(Quantity::par) < defence(game)) {
    game.note(MomentKind::PartisansBeaten, game.value(Quantity::par), defence(game));
    game.ui().message(Icon::Information, "Výhra", "Partyzáni byli poraženi.");
    game.keepThreeQuarters(Quantity::arm);
    game.keepAThird(Quantity::par);
  } else {
    game.note(MomentKind::PartisansWon, game.value(Quantity::par), defence(game));
    game.ui().message(Icon::Information, "Porážka",
                      "Partyzáni nás porazili a získali dvě další kolonie.");
    game.keepAThird(Quantity::arm);
    game.keepThreeQuarters(Quantity::par);
    game.prictipozemek(kTerritoryLostToPartisans);
  }
}

}  // namespace velmoran
