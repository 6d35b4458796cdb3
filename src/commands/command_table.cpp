#include "commands/command_table.h"

#include <iterator>

#include "commands/menu_commands.h"
#include "state/game.h"

namespace velmoran {

const Command kCommands[] = {
    {MenuEntry::army, army_Click},   {MenuEntry::police, police_Click},
    {MenuEntry::fbi, fbi_Click},     {MenuEntry::prumysl, prumysl_Click},
    {MenuEntry::zeme, zeme_Click},   {MenuEntry::chudi, chudi_Click},
    {MenuEntry::veda, veda_Click},   {MenuEntry::body, body_Click},
    {MenuEntry::brda, brda_Click},   {MenuEntry::atakk, atakk_Click},
    {MenuEntry::diver, diver_Click}, {MenuEntry::noo, noo_Click},
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
