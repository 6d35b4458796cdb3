// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/menu_entries.h"

namespace velmoran {

class Game;

// What the buttons of the game screen and of the rebellion screen do: the month turn, the
// answers and the rebellion. They come from turn/; the session only calls them.
struct TurnRules {
  void (*ok_Click)(Game&);
  void (*ano_Click)(Game&);
  void (*ne_Click)(Game&);
  void (*vzpouraOk_Click)(Game&);
};

// Runs one entry of the game screen's menu bar, with the gate every command shares. It comes
// from commands/.
using MenuCommandRunner = void (*)(Game&, MenuEntry);

}  // namespace velmoran
