// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

// Makes every window of the game a window to a screen reader (a frame named by its title),
// not a nameless pane. Once for the program; later calls do nothing.
void installWindowRoles();

}  // namespace velmoran
