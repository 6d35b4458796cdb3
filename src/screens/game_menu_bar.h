// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenuBar>
#include <array>

#include "state/menu_entries.h"

namespace velmoran {

// Fills the game screen's menu bar: every menu and entry under its control name, with its
// caption and key. "Nic" stands on the bar itself. The entries' actions come back in the
// order of MenuEntry.
std::array<QAction*, kMenuEntryCount> buildGameMenuBar(QMenuBar* bar);

}  // namespace velmoran
