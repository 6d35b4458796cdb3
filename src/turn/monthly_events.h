// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

class Game;

// The random texts. Each leaves the chosen file in the text file name for `otevri`.

// The monthly event, drawn once a month: it may bring an attack or the great rebellion first.
void mesicninahoda(Game& game);
// The second random text that an event with question code 99 leads on to.
void mesicninahoda2(Game& game);
// One of the two variants of the text named by the text base name.
void kratkanahoda(Game& game);

}  // namespace velmoran
