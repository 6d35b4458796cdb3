#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace velmoran {

// The banners of the title menu and the best-scores screen: a golden title on a blue field
// with rays of light, like a state poster.
QPixmap posterBanner(QSize size, const QString& title);

// The banner NOVÝ MĚSÍC of the game screen: white letters on dark red.
QPixmap monthBanner(QSize size);

}  // namespace velmoran
