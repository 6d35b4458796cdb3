// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLabel>
#include <vector>

namespace velmoran {

// The texts of every screen: the desktop's sans-serif at 8.25 points, set a little narrower
// so that the captions keep to the places the screens give them.
QFont screenFont();
// The screens' font at another size in points (at 100 %), optionally bold.
QFont sizedFont(double points, bool bold);
// Makes the caption's font a little smaller where the caption would not fit its place on
// this desktop's fonts.
void shrinkToFit(QLabel* caption);
// Gives captions that stand one under the other one font, the screens' own at its size, set
// only as narrow as the widest caption needs to keep `gap` pixels free at its end.
void condenseTogether(const std::vector<QLabel*>& captions, int gap);
// The title of the secret police report: Arial Black, or the heaviest sans-serif there is.
QFont reportTitleFont();

}  // namespace velmoran
