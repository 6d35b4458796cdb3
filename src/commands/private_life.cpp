// SPDX-License-Identifier: GPL-3.0-or-later
// "Soukromý život", "Jiné" and "Nic": the ruler's own life. Most of it only tells a story;
// the dog costs money every month, a wedding needs someone met before, and suicide ends the
// reign.
#include "commands/menu_commands.h"
#include "state/game.h"
#include "state/ui.h"

namespace velmoran {

namespace {

constexpr int kDogUpkeep = 10;

void show(Game& game, const char* textFile) {
  game.vars().textFileName = textFile;
  game.otevri();
}

}  // namespace

void mpivo_Click(Game& game) {
  show(game, "pivo.ini");
}

// The partner met through an acquaintance stays known for the rest of the program's run, in
// later reigns too.
void msvatba_Click(Game& game) {
  if (game.vars().partner) {
    game.note(MomentKind::Wedding);
    game.vars().textFileName = "svatba.ini";
    game.withdraw(MenuEntry::msvatba);
  } else {
    game.vars().textFileName = "neniskym.ini";
  }
  game.otevri();
}

void internet_Click(Game& game) {
  show(game, "internet.ini");
}

void psesbuy_Click(Game& game) {
  show(game, "pes.ini");
  game.withdraw(MenuEntry::psesbuy);
  game.add(Quantity::rozpocet, -kDogUpkeep);
}

// The first change in a run of the program makes a woman of the ruler ("muz.ini": the
// velmoran is a velmoranka now), the next one a man again ("zena.ini"), and so on.
void zpht_Click(Game& game) {
  bool& changed = game.vars().sexChange;
  changed = !changed;
  game.note(changed ? MomentKind::BecameWoman : MomentKind::BecameMan);
  show(game, changed ? "muz.ini" : "zena.ini");
}

void sebekill_Click(Game& game) {
  if (game.ui().askYesNo("Sebevražda", "Opravdu se chceš zabít?")) {
    game.note(MomentKind::Suicide);
    game.GameOver();
  }
}

// "Nic": the ruler does nothing this month and says so.
void noo_Click(Game& game) {
  show(game, "nic.ini");
}

}  // namespace velmoran
