// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

namespace velmoran {

// The pictures of the splash screen and the about box, drawn for a screen of `dpr` device
// pixels to one pixel of the layout.

// The splash screen: the castle of the ruler on its hill under a dawn of golden rays, the
// game's name above it and a dark strip at the bottom for the white credit lines.
QPixmap splashPicture(QSize size, qreal dpr);

// The about box's background: the little globe of the game's icon large on a night-blue
// field with stars, the game's name in gold beside it.
QPixmap aboutBackground(QSize size, qreal dpr);

}  // namespace velmoran
