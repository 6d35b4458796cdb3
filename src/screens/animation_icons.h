// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QRectF>

namespace velmoran {

// The title menu's window icon turns: eight frames of a little globe, 48 × 48 pixels.
constexpr int kAnimationFrames = 8;
constexpr int kAnimationIconSize = 48;

// Frame 0 to 7; each turns the globe one eighth further east.
QPixmap animationFrame(int frame);

// The little globe filling `square`, turned `turn` degrees east: the game's icon and emblem.
void drawGlobe(QPainter& painter, const QRectF& square, double turn);

}  // namespace velmoran
