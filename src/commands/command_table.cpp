#include "commands/command_table.h"

#include <iterator>

#include "commands/menu_commands.h"
#include "state/game.h"

namespace velmoran {

const Command kCommands[] = {
    {MenuEntry::noo, noo_Click},
};
const std::size_t kCommandCount = std::size(kCommands);

void runMenuCommand(Game& game, MenuEntry entry) {
  for (const Command& command : kCommands) {
    if (command.entry != entry) continue;
    if (game.isWithdrawn(entry) || !game.Kontrola()) return;
    command.handler(game);
    return;
  }
}

}  // namespace velmoran
