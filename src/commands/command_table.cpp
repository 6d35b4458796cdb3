// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/command_table.h"

#include <iterator>

#include "commands/menu_commands.h"
#include "state/game.h"

namespace velmoran {

const Command kCommands[] = {
    {MenuEntry::mpivo, mpivo_Click},
    {MenuEntry::msvatba, msvatba_Click},
    {MenuEntry::internet, internet_Click},
    {MenuEntry::psesbuy, psesbuy_Click},
    {MenuEntry::army, army_Click},
    {MenuEntry::police, police_Click},
    {MenuEntry::fbi, fbi_Click},
    {MenuEntry::prumysl, prumysl_Click},
    {MenuEntry::zeme, zeme_Click},
    {MenuEntry::chudi, chudi_Click},
    {MenuEntry::veda, veda_Click},
    {MenuEntry::body, body_Click},
    {MenuEntry::brda, brda_Click},
    {MenuEntry::atakk, atakk_Click},
    {MenuEntry::diver, diver_Click},
    {MenuEntry::bordo, bordo_Click},
    {MenuEntry::povyseni, povyseni_Click},
    {MenuEntry::cesta, cesta_Click},
    {MenuEntry::kampan, kampan_Click},
    {MenuEntry::reforma, reforma_Click},
    {MenuEntry::ztph, ztph_Click},
    {MenuEntry::strojparko, strojparko_Click},
    {MenuEntry::pr, pr_Click},
    {MenuEntry::usap, usap_Click},
    {MenuEntry::morpu, morpu_Click},
    {MenuEntry::zpht, zpht_Click},
    {MenuEntry::sebekill, sebekill_Click},
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
