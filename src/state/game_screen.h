// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "files/settings_file.h"
#include "state/menu_entries.h"
#include "state/quantity.h"

namespace velmoran {

// What the game screen shows. A fresh one holds the design values of every control.
struct GameScreen {
  GameScreen();

  std::array<std::string, kQuantityCount> texts;
  std::string info;  // the text of the info panel
  bool okVisible = false;
  bool anoVisible = false;
  bool neVisible = false;
  bool reportVisible = false;       // the secret police report `zprava`
  bool monthBannerVisible = false;  // the banner NOVÝ MĚSÍC
  std::uint8_t partisanShare = 0;   // height of `f`, in percent of the territory bar
  DisplaySettings look;             // applied from "data.dat" at the start of a game
  std::array<bool, kMenuEntryCount> menuEnabled;
  bool enabled = true;  // switched off while the rebellion lasts

  bool anyAnswerButtonVisible() const { return okVisible || anoVisible || neVisible; }
};

}  // namespace velmoran
