// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include "screens/window_scale.h"

namespace velmoran {

// The screens are laid out in twips, fifteen to a pixel at 96 dots per inch, and drawn at the
// window size the player chose.
constexpr int kTwipsPerPixel = 15;

inline int px(int twips) {
  return static_cast<int>(twips * windowScale() / kTwipsPerPixel + 1e-9);
}

inline QSize twipsSize(int width, int height) {
  return QSize(px(width), px(height));
}

// Puts a control at its place in its parent; every measure in twips.
inline void placeAt(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(QRect(px(left), px(top), px(width), px(height)));
}

}  // namespace velmoran
