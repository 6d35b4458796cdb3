// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/game_rules.h"

namespace velmoran {

// The month turn, the answers and the rebellion, for the session.
const TurnRules& turnRules();

}  // namespace velmoran
