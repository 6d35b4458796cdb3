// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "files/kept_reign.h"
#include "state/game_screen.h"
#include "state/rebellion_screen.h"
#include "state/reign_recorder.h"
#include "state/working_vars.h"

namespace velmoran {

class Game;

// A reign as the game plays it: what `Game`, the session's working variables and its random
// generator hold, and whether the rebellion screen is open.
struct ReignSnapshot {
  GameScreen screen;
  RebellionScreen rebellion;
  bool rebellionOpen = false;
  WorkingVars vars;
  std::uint32_t random = 0;
  ReignRecorder recorder;
};

KeptReign keptReignOf(const Game& game, const WorkingVars& vars, std::uint32_t random,
                      bool rebellionOpen);

// The reign a kept file holds, or empty if it could not have been played: a quantity missing,
// twice or of another name, a number not written as the game writes it, a menu entry or a
// rebellion group the game does not have, a random state the generator never reaches, or a
// rebellion open on a game screen that takes input.
std::optional<ReignSnapshot> snapshotOf(const KeptReign& kept);

}  // namespace velmoran
