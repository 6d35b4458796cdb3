// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace velmoran {

// The pictures are drawn for a screen of `dpr` device pixels to one pixel of the layout.

// The banners of the title menu, the best-scores screen and the settings screen: a golden
// title on a blue field with rays of light, like a state poster.
QPixmap posterBanner(QSize size, const QString& title, qreal dpr);

// The banner NOVÝ MĚSÍC of the game screen: white letters on dark red.
QPixmap monthBanner(QSize size, qreal dpr);

}  // namespace velmoran
