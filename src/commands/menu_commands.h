#pragma once

namespace velmoran {

class Game;

// The handlers of the game screen's menu entries, menu by menu. Each runs only when the gate
// of the command table has let the command through.

// "Nic"
void noo_Click(Game& game);

}  // namespace velmoran
