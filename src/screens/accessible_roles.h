// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

// The roles a screen reader needs and Qt does not give by itself: every window of the game is a
// window (a frame named by its title), not a nameless pane, and the announcer is a
// notification. Once for the program; later calls do nothing.
void installAccessibleRoles();

}  // namespace velmoran
