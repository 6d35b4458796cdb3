#include "commands/menu_commands.h"
#include "state/game.h"

namespace velmoran {

// "Nic": the ruler does nothing this month and says so.
void noo_Click(Game& game) {
  game.vars().textFileName = "nic.ini";
  game.otevri();
}

}  // namespace velmoran
