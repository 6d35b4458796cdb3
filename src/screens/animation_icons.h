#pragma once

#include <QPixmap>

namespace velmoran {

// The title menu's window icon turns: eight frames of a little globe, 48 × 48 pixels.
constexpr int kAnimationFrames = 8;
constexpr int kAnimationIconSize = 48;

// Frame 0 to 7; each turns the globe one eighth further east.
QPixmap animationFrame(int frame);

}  // namespace velmoran
