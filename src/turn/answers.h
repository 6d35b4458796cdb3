// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

class Game;

// The answers "Ano" and "Ne" to the question the panel puts, by its question code.
void ano_Click(Game& game);
void ne_Click(Game& game);

}  // namespace velmoran
