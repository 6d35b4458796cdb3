// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

class QScreen;
class QWidget;

namespace velmoran {

// Where the game's windows open on the desktop: whole on the screen, their frames and title
// bars included, at every window size.

// How far the frame the window manager puts around `window` reaches beyond its client area.
// A window not framed yet, or framed by none (the splash screen), tells nothing of the frame
// the next window gets: a title bar and thin borders stand in for it.
QMargins frameOf(const QWidget* window);

// Moves the client area `place` so that the whole window, its frame and title bar included,
// lies in the screen's free area, as far as it fits.
QRect onTheScreen(QRect place, const QMargins& frame, const QScreen* screen);

// A window the player may resize opens no larger than nine tenths of the screen's free area.
void fitTheScreen(QWidget* window, const QMargins& frame, const QScreen* screen);

// Puts `window` in the middle of `over`, where the player looks, inside the screen.
void centreOver(QWidget* window, const QWidget* over);

// Puts `window` to the right of `beside` (or to its left, where there is no room on the right),
// its top at the same height, and wholly on the screen.
void placeBeside(QWidget* window, const QWidget* beside);

// Ties `window` to `owner` on the desktop: the window manager keeps it above its owner and
// places it with it.
void tieTo(QWidget* window, const QWidget* owner);

}  // namespace velmoran
