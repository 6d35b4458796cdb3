// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace velmoran {

// The screens are laid out in twips, fifteen to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
  return twips / kTwipsPerPixel;
}

inline QSize twipsSize(int width, int height) {
  return QSize(px(width), px(height));
}

// Puts a control at its place in its parent; every measure in twips.
inline void placeAt(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(QRect(px(left), px(top), px(width), px(height)));
}

}  // namespace velmoran
