// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

class Game;

// The game screen's Ok: ends the month on a month-end text, leads a text with question code 99
// on to a second random text, and otherwise clears the panel.
void ok_Click(Game& game);

}  // namespace velmoran
