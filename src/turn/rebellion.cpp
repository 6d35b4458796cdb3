// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/rebellion.h"

#include "files/decimal_text.h"
#include "state/game.h"
#include "state/ui.h"

namespace velmoran {

namespace {

struct Group {
  const char* entry;
  Quantity strength;
  Quantity popularity;
};

// The groups that take a side by their popularity, in the order of the lists.
constexpr Group kGroups[] = {
    {"Policie", Quantity::pol, Quantity::polo}, {"Armáda", Quantity::arm, Quantity::armo},
    {"Dělníci", Quantity::del, Quantity::delo}, {"Rolníci", Quantity::rol, Quantity::rolo},
    {"Chudina", Quantity::chu, Quantity::chuo}, {"Inteligence", Quantity::inte, Quantity::into},
};

// A side's field holds its sum as text: read, add, write back.
void addStrength(std::string& field, double strength) {
  field = decimalText(numericPrefix(field) + strength);
}

}  // namespace

void vzpoura_Form_Load(Game& game) {
  game.setEnabled(false);
  RebellionScreen sides;
  // The secret police and the personal guard always stand by the ruler.
  sides.stebou = {"Tajná policie", "Osobní stráž"};
  addStrength(sides.tvojes, game.value(Quantity::tp) + game.value(Quantity::os));
  for (const Group& group : kGroups) {
    const bool loyal = game.value(group.popularity) > 0;
    (loyal ? sides.stebou : sides.protitobe).push_back(group.entry);
    addStrength(loyal ? sides.tvojes : sides.jejichs, game.value(group.strength));
  }
  game.showRebellion(sides);
}

void vzpoura_ok_Click(Game& game) {
  const RebellionScreen& sides = game.rebellion();
  const double ours = numericPrefix(sides.tvojes), theirs = numericPrefix(sides.jejichs);
  if (ours >= theirs) {
    game.note(MomentKind::RebellionPutDown, ours, theirs);
    game.add(Quantity::arm, -1);
    game.add(Quantity::tp, -1);
    game.add(Quantity::os, -1);
    game.setEnabled(true);
    game.closeRebellion();
  } else {
    game.note(MomentKind::RebellionWon, ours, theirs);
    game.ui().message(Icon::Critical, "Vzpoura", "Byl jste poražen!");
    game.GameOver();
  }
}

}  // namespace velmoran
