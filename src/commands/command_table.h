// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/menu_entries.h"

namespace velmoran {

class Game;

using CommandHandler = void (*)(Game&);

struct Command {
  MenuEntry entry;
  CommandHandler handler;
};

// Every entry of the menu bar with its handler, except the two of "Hra", which the session
// handles itself.
extern const Command kCommands[];
extern const std::size_t kCommandCount;

// Runs the command of a menu entry, if the player may give it: the entry has not been
// withdrawn, and `Kontrola` finds no answer button showing.
void runMenuCommand(Game& game, MenuEntry entry);

}  // namespace velmoran
