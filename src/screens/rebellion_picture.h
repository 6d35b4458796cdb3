// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

namespace velmoran {

// The illustration across the top of the rebellion screen: a crowd with torches and banners
// marching on the palace at dusk. `size` in logical pixels; drawn sharp at the screen's
// device pixel ratio.
QPixmap rebellionPicture(QSize size, qreal devicePixelRatio);

}  // namespace velmoran
