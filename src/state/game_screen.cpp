// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/game_screen.h"

namespace velmoran {

GameScreen::GameScreen() {
  for (const auto& info : kQuantities) texts[indexOf(info.quantity)] = std::string(info.designText);
  menuEnabled.fill(true);
}

}  // namespace velmoran
