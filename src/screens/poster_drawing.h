// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QGradientStops>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

namespace velmoran {

// What the game's pictures are drawn with: a state poster's gold lettering, stars and rays.

// A picture of `size` (pixels of the layout) for a screen of `dpr` device pixels to one:
// `paint` paints it antialiased, in pixels of the layout, over all of `area`, and it comes out
// sharp at any ratio.
QPixmap drawnPicture(QSize size, qreal dpr,
                     const std::function<void(QPainter& painter, const QRectF& area)>& paint);

// Fills `area` with colours running from its top (0) to its bottom (1).
void fillTopDown(QPainter& painter, const QRectF& area, const QGradientStops& stops);

// `text` as a path in the desktop's sans-serif, as large as fits `area` (7 pixels at the
// least), its capitals centred in `area`.
QPainterPath fittedText(const QString& text, QFont::Weight weight, const QRectF& area);

// A five-pointed star around `centre`.
QPolygonF star(QPointF centre, double outer);

// Faint rays of light from the middle of `area`.
void drawRays(QPainter& painter, const QRectF& area);

// `text` in golden letters with a shadow, as large as fits `area`.
void drawGoldTitle(QPainter& painter, const QString& text, const QRectF& area);

}  // namespace velmoran
