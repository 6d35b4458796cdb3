// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <functional>

namespace velmoran {

// Draws a picture of `size` (pixels of the layout) for a screen of `dpr` device pixels to one.
using PictureDrawing = std::function<QPixmap(QSize size, qreal dpr)>;

// Shows in the picture box the picture `draw` makes for the box's size at the device pixel
// ratio of the screen the box is on, and draws it again when the window comes to a screen of
// another ratio: pictures stay sharp on a screen scaled to 2 too.
void showSharpPicture(QLabel* box, PictureDrawing draw);

// The screen's picture box `Picture1` at its place in `parent` (measures in twips), showing the
// picture `draw` makes, sharp; a screen reader reads `alt` for it.
QLabel* addPicture(QWidget* parent, int left, int top, int width, int height, PictureDrawing draw,
                   const QString& alt);

}  // namespace velmoran
