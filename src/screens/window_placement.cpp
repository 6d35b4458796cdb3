// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace velmoran {

// How far the frame the window manager puts around `window` reaches beyond its client area.
// A window not framed yet, or framed by none (the splash screen), tells nothing of the frame
// the next window gets: a title bar and thin borders stand in for it.
QMargins frameOf(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
  const QMargins usual(4, 30, 4, 8);
  return margins.isNull() ? usual : margins;
}

// Moves the client area `place` so that the whole window, its frame and title bar included,
// lies in the screen's free area, as far as it fits. A few pixels more are kept free at the
// edges: a window manager may frame a window that the player can resize a little wider (a
// grip at its bottom) than the window its frame was taken from.
QRect onTheScreen(QRect place, const QMargins& frame, const QScreen* screen) {
  if (!screen) return place;
  constexpr int kEdge = 8;
  const QRect desktop =
      screen->availableGeometry().marginsRemoved(frame + QMargins(kEdge, kEdge, kEdge, kEdge));
  place.moveLeft(qMax(desktop.left(), qMin(place.left(), desktop.right() - place.width() + 1)));
  place.moveTop(qMax(desktop.top(), qMin(place.top(), desktop.bottom() - place.height() + 1)));
  return place;
}

// A window the player may resize opens no larger than nine tenths of the screen's free area,
// at any window size: room for its frame, whose grip a window manager may give only such
// windows, and for a glimpse of the window it came from.
void fitTheScreen(QWidget* window, const QMargins& frame, const QScreen* screen) {
  if (!screen) return;
  constexpr double kShare = 0.9;
  const QSize room = (screen->availableGeometry().size() * kShare).shrunkBy(frame);
  window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
}

// Puts `window` in the middle of `over`, where the player looks, inside the screen. A window
// not yet shown has no frame yet: it will get one like the window it opens over.
void centreOver(QWidget* window, const QWidget* over) {
  QRect place(QPoint(), window->size());
  place.moveCenter(over->geometry().center());
  window->setGeometry(onTheScreen(place, frameOf(over), over->screen()));
}

// Puts `window` to the right of `beside` (or to its left, where there is no room on the right),
// its top at the same height, and wholly on the screen.
void placeBeside(QWidget* window, const QWidget* beside) {
  constexpr int kGap = 12;
  const QMargins frame = frameOf(beside);
  fitTheScreen(window, frame, beside->screen());
  const QRect next = beside->frameGeometry();
  QRect place(QPoint(), window->size());
  place.moveTopLeft(QPoint(next.right() + kGap + frame.left(), next.top() + frame.top()));
  if (const QScreen* screen = beside->screen()) {
    const QRect desktop = screen->availableGeometry();
    if (place.right() + frame.right() > desktop.right()) {
      place.moveRight(next.left() - kGap - frame.right());
    }
  }
  window->setGeometry(onTheScreen(place, frame, beside->screen()));
}

// Ties `window` to `owner` on the desktop: the window manager keeps it above its owner and
// places it with it.
void tieTo(QWidget* window, const QWidget* owner) {
  window->winId();
  if (QWindow* handle = window->windowHandle()) handle->setTransientParent(owner->windowHandle());
}

}  // namespace velmoran
