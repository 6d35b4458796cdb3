// SPDX-License-Identifier: GPL-3.0-or-later
// "Politika": two sales of the country's honour for money, once a game each, and two
// repeatable ways to win friends abroad and at home.
#include "commands/menu_commands.h"
#include "state/game.h"

namespace velmoran {

namespace {

struct Change {
  Quantity quantity;
  int delta;
};

struct Outcome {
  const char* textFile;
  Change changes[4];
  int changeCount;
};

// By the draw of 1 to 3.
constexpr Outcome kJourneys[] = {
    {"cesta1.ini", {{Quantity::brdo, 1}, {Quantity::usao, 2}}, 2},
    {"cesta2.ini", {{Quantity::usao, 1}, {Quantity::ruso, 2}}, 2},
    {"cesta3.ini", {{Quantity::brdo, 1}, {Quantity::moro, 1}}, 2},
};
constexpr Outcome kCampaigns[] = {
    {"reklama1.ini", {}, 0},
    {"reklama2.ini", {{Quantity::delo, 1}, {Quantity::rolo, 2}}, 2},
    {"reklama3.ini",
     {{Quantity::delo, 2}, {Quantity::rolo, 1}, {Quantity::armo, 2}, {Quantity::into, 2}},
     4},
};

void apply(Game& game, const Outcome& outcome) {
  for (int i = 0; i < outcome.changeCount; ++i) {
    game.add(outcome.changes[i].quantity, outcome.changes[i].delta);
  }
}

void show(Game& game, const char* textFile) {
  game.vars().textFileName = textFile;
  game.otevri();
}

// Shows the text and the hundreds of dollars it brings after it.
void showWithHundreds(Game& game, const char* textFile, int hundreds) {
  game.vars().textFileName = textFile;
  if (game.otevri()) game.appendAmount(hundreds, "00");
}

}  // namespace

void bordo_Click(Game& game) {
  const int hundreds = game.nahoda(25, 10);
  game.note(MomentKind::Sale, 100 * hundreds);
  showWithHundreds(game, "otroci.ini", hundreds);
  game.add(Quantity::kasa, 100 * hundreds);
  game.add(Quantity::brdo, -2);
  game.withdraw(MenuEntry::bordo);
  game.add(Quantity::moro, -1);
  game.add(Quantity::usao, -1);
  game.add(Quantity::ruso, -1);
}

void povyseni_Click(Game& game) {
  const int hundreds = game.nahoda(60, 9);
  game.note(MomentKind::Promotion, 100 * hundreds);
  showWithHundreds(game, "povyseni.ini", hundreds);
  game.add(Quantity::kasa, 100 * hundreds);
  game.add(Quantity::brdo, -1);
  game.withdraw(MenuEntry::povyseni);
}

// The journey changes the attitudes before its text is shown.
void cesta_Click(Game& game) {
  const Outcome& journey = kJourneys[game.nahoda(3, 1) - 1];
  game.vars().textFileName = journey.textFile;
  apply(game, journey);
  game.otevri();
}

void kampan_Click(Game& game) {
  const Outcome& campaign = kCampaigns[game.nahoda(3, 1) - 1];
  show(game, campaign.textFile);
  apply(game, campaign);
}

}  // namespace velmoran
