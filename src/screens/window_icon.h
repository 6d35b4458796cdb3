// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QWidget>

namespace velmoran {

// Sets the icon of a window and hands it to the window system at once. Under X, Qt sends what
// a timer's handler asks of the display only when the next event arrives: with the pointer
// still, every other frame of an animated icon would never be seen.
void setWindowIconNow(QWidget* window, const QIcon& icon);

}  // namespace velmoran
