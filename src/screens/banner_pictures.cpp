// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/banner_pictures.h"

#include <QPainter>
#include <QRadialGradient>

#include "screens/poster_drawing.h"

namespace velmoran {

QPixmap posterBanner(QSize size, const QString& title, qreal dpr) {
  return drawnPicture(size, dpr, [&title](QPainter& painter, const QRectF& area) {
    fillTopDown(painter, area,
                {{0, QColor(24, 52, 120)}, {0.55, QColor(38, 86, 176)}, {1, QColor(14, 30, 78)}});
    drawRays(painter, area);

    QRadialGradient glow(area.center(), area.width() / 2);
    glow.setColorAt(0, QColor(255, 236, 170, 70));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    painter.fillRect(area, glow);

    const QColor gold(242, 196, 64);
    painter.setPen(QPen(gold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(2, 2, -3, -3));
    painter.setPen(QPen(QColor(255, 240, 190, 120), 1));
    painter.drawRect(area.adjusted(5, 5, -6, -6));

    const double starSize = area.height() * 0.16;
    painter.setPen(QPen(QColor(140, 92, 12), 1));
    painter.setBrush(gold);
    for (double x : {area.left() + area.height() * 0.38, area.right() - area.height() * 0.38}) {
      painter.drawPolygon(star(QPointF(x, area.center().y()), starSize));
    }

    drawGoldTitle(painter, title,
                  area.adjusted(area.height() * 0.75, area.height() * 0.2, -area.height() * 0.75,
                                -area.height() * 0.2));
  });
}

QPixmap monthBanner(QSize size, qreal dpr) {
  return drawnPicture(size, dpr, [](QPainter& painter, const QRectF& area) {
    fillTopDown(painter, area, {{0, QColor(160, 16, 16)}, {1, QColor(110, 0, 0)}});
    painter.setPen(QPen(QColor(255, 210, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));

    const QString words = QStringLiteral("NOVÝ MĚSÍC");
    const QRectF textArea = area.adjusted(8, 6, -8, -6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(fittedText(words, QFont::Bold, textArea));
  });
}

}  // namespace velmoran
