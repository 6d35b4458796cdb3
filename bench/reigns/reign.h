// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmoran {

class Ruler;

// How a reign ended.
enum class Ending {
  Bankruptcy,
  Bordanie,   // Bordánie's attack was not repelled
  Partisans,  // the partisans' attack took the last of the territory
  Territory,  // the ruler's own lost attacks did
  Rebellion,
  Suicide,
  Victory,
  StillRuling,  // the simulation stopped the reign
};
inline constexpr int kEndingCount = static_cast<int>(Ending::StillRuling) + 1;
const char* endingName(Ending ending);

struct Reign {
  long long months;
  Ending ending;
};

// Plays `count` reigns of one ruler, one after another in one run of the game on the game
// folder `folder` (its best.dat is written as the reigns end), each for `longest` months at
// most.
std::vector<Reign> playReigns(Ruler& ruler, const std::filesystem::path& folder, int count,
                              long long longest);

}  // namespace velmoran
