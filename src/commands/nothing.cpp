#include "state/game.h"

namespace velmoran {

// "Nic": the ruler does nothing this month and says so.
void Game::noo_Click() {
  vars().textFileName = "nic.ini";
  otevri();
}

}  // namespace velmoran
