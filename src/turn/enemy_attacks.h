// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

class Game;

// The enemies' attacks of the monthly event. The defence is the army, the secret police and
// the personal guard together, and a tie goes to the enemy.

// Bordánie attacks: repelled, it keeps a third; otherwise the ruler has to flee and the game
// is lost.
void bordanieAttacks(Game& game);
// The partisans attack: beaten, they keep a third; otherwise they take 2 % of the territory.
void partisansAttack(Game& game);

}  // namespace velmoran
