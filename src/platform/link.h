// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmoran {

// The game's link service: opens a web address in the player's browser (a file URL in the
// program that shows it). Whether it could is returned, and the game does not ask.
bool otevriOdkaz(const QString& address);

}  // namespace velmoran
