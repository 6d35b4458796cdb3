// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/turn_rules.h"

#include "turn/answers.h"
#include "turn/month_turn.h"
#include "turn/rebellion.h"

namespace velmoran {

const TurnRules& turnRules() {
  static const TurnRules rules{ok_Click, ano_Click, ne_Click, vzpoura_ok_Click};
  return rules;
}

}  // namespace velmoran
