// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

class Game;

// The great national rebellion: the monthly event opens its screen, which sorts the groups
// onto the two sides by their popularity; its OK decides.

// Opens the rebellion screen `vzpoura` and fills it; the game screen takes no input until the
// rebellion is decided.
void vzpoura_Form_Load(Game& game);
// The stronger side wins, a tie goes to the ruler: a won rebellion costs the army, the secret
// police and the personal guard 1 each, a lost one ends the game.
void vzpoura_ok_Click(Game& game);

}  // namespace velmoran
