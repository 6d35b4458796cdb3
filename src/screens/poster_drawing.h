#pragma once

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

namespace velmoran {

// What the game's pictures are drawn with: a state poster's gold lettering, stars and rays.

// An empty picture of `size` (device-independent pixels) for a screen of `dpr` device pixels
// to one: painting on it in device-independent pixels comes out sharp.
QPixmap blankPicture(QSize size, qreal dpr);

// The largest font of the desktop's sans-serif in which `text` fits into `box`.
QFont fittingFont(QFont::Weight weight, const QString& text, const QSizeF& box);

// `text` as a path whose capitals are centred in `area`.
QPainterPath centredText(const QString& text, const QFont& font, const QRectF& area);

// A five-pointed star around `centre`.
QPolygonF star(QPointF centre, double outer);

// Faint rays of light from the middle of `area`.
void drawRays(QPainter& painter, const QRectF& area);

// `text` in golden letters with a shadow, as large as fits `area`.
void drawGoldTitle(QPainter& painter, const QString& text, const QRectF& area);

}  // namespace velmoran
