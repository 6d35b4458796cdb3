// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

class Game;

// The handlers of the game screen's menu entries, menu by menu. Each runs only when the gate
// of the command table has let the command through.

// "Dotace"
void army_Click(Game& game);
void police_Click(Game& game);
void fbi_Click(Game& game);
void prumysl_Click(Game& game);
void zeme_Click(Game& game);
void chudi_Click(Game& game);
void veda_Click(Game& game);
void body_Click(Game& game);

// "Války"
void brda_Click(Game& game);
void atakk_Click(Game& game);
void diver_Click(Game& game);

// "Politika"
void bordo_Click(Game& game);
void povyseni_Click(Game& game);
void cesta_Click(Game& game);
void kampan_Click(Game& game);

// "Ekonomika"
void reforma_Click(Game& game);
void ztph_Click(Game& game);
void strojparko_Click(Game& game);
void pr_Click(Game& game);
void usap_Click(Game& game);
void morpu_Click(Game& game);

// "Soukromý život"
void mpivo_Click(Game& game);
void msvatba_Click(Game& game);
void internet_Click(Game& game);
void psesbuy_Click(Game& game);

// "Jiné"
void zpht_Click(Game& game);
void sebekill_Click(Game& game);

// "Nic"
void noo_Click(Game& game);

}  // namespace velmoran
