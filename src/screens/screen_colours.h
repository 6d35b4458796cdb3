// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace velmoran {

// The colours of the game screen.
inline const QColor kRulerBlue(65, 153, 250);
inline const QColor kPartisanRed(253, 90, 55);
inline const QColor kPopularityGreen(60, 183, 53);
inline const QColor kProfitPurple(192, 0, 192);

}  // namespace velmoran
