// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QScreen;

namespace velmoran {

// The size the game's windows are drawn at, as a factor of the size the screens are laid out
// at (1 = 100 %). Every position, size and font of every window is multiplied by it, so the
// windows keep their layout and proportions, and the texts and pictures are drawn anew at the
// size, sharp.
double windowScale();

// The sizes the settings screen offers, in percent, after "by the screen".
inline constexpr int kWindowSizeSteps[] = {100, 125, 150, 175, 200, 250, 300};

// The size chosen by the screen: the largest step of a quarter, from 100 % to 300 %, at which
// the game screen takes no more than two thirds of the screen's free width and height. On a
// 1920 × 1080 or a 1280 × 1024 screen that is 150 %, on 1024 × 768 100 %.
double scaleForScreen(QSize available);
// The factor of a stored size: `percent`, or the screen's own for 0.
double scaleOf(int percent, const QScreen* screen);
// The caption of a stored size on the settings screen.
QString windowSizeCaption(int percent, const QScreen* screen);

// Makes `scale` the size of every window opened from now on: the layout, the fonts of the
// game's screens and of its boxes and menus, and the measures of the desktop's style (check
// boxes, frames, scroll bars).
void applyWindowScale(double scale);

// A length in pixels of the screens' own layout (not given in twips) at the chosen size.
int scaled(int pixels);
QSize scaled(QSize size);

}  // namespace velmoran
