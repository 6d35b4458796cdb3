// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/rebellion_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "screens/poster_drawing.h"

namespace velmoran {

namespace {

constexpr int kMarchers = 17;

void drawSky(QPainter& painter, const QRectF& area) {
  fillTopDown(painter, area,
              {{0, QColor(40, 14, 40)}, {0.6, QColor(168, 52, 28)}, {1, QColor(246, 150, 52)}});
}

// The palace on the hill at the right, with its dome and a flag on top.
void drawPalace(QPainter& painter, const QRectF& area) {
  const double h = area.height();
  const double left = area.width() * 0.70;
  const double width = area.width() * 0.24;
  const double top = h * 0.38;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(58, 24, 30));
  painter.drawRect(QRectF(left, top, width, h - top));
  painter.drawEllipse(QPointF(left + width / 2, top), width * 0.2, width * 0.2);
  painter.drawRect(QRectF(left + width / 2 - 0.8, top - h * 0.3, 1.6, h * 0.3));
  painter.setBrush(QColor(250, 210, 70));
  for (int i = 0; i < 4; ++i) {
    painter.drawRect(
        QRectF(left + width * (0.12 + i * 0.22), top + h * 0.16, width * 0.1, h * 0.1));
  }
}

// One marcher: a head, a body, and an arm raised with a torch or a banner.
void drawMarcher(QPainter& painter, QPointF feet, double height, int index) {
  const QColor shadow(24, 10, 16);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shadow);
  const double head = height * 0.13;
  painter.drawEllipse(QPointF(feet.x(), feet.y() - height + head), head, head);
  QPainterPath body;
  body.moveTo(feet.x() - height * 0.2, feet.y());
  body.lineTo(feet.x() - height * 0.14, feet.y() - height * 0.72);
  body.lineTo(feet.x() + height * 0.14, feet.y() - height * 0.72);
  body.lineTo(feet.x() + height * 0.2, feet.y());
  painter.drawPath(body);

  const QPointF shoulder(feet.x() + height * 0.1, feet.y() - height * 0.68);
  const QPointF hand(shoulder.x() + height * 0.16, shoulder.y() - height * 0.42);
  painter.setPen(QPen(shadow, height * 0.07, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(shoulder, hand);
  if (index % 3 == 0) {
    QRadialGradient flame(hand, height * 0.22);
    flame.setColorAt(0, QColor(255, 244, 170));
    flame.setColorAt(0.4, QColor(255, 170, 40, 220));
    flame.setColorAt(1, QColor(255, 90, 20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(flame);
    painter.drawEllipse(hand, height * 0.22, height * 0.22);
  } else if (index % 5 == 1) {
    const QPointF top(hand.x(), hand.y() - height * 0.35);
    painter.setPen(QPen(shadow, height * 0.03));
    painter.drawLine(hand, top);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 20, 30));
    painter.drawRect(QRectF(top, QSizeF(height * 0.34, height * 0.2)));
  }
}

}  // namespace

QPixmap rebellionPicture(QSize size, qreal devicePixelRatio) {
  return drawnPicture(size, devicePixelRatio, [](QPainter& painter, const QRectF& area) {
    drawSky(painter, area);
    drawPalace(painter, area);

    // Two rows of marchers, the nearer ones larger, all heading for the palace.
    for (int row = 0; row < 2; ++row) {
      const double height = area.height() * (row == 0 ? 0.5 : 0.68);
      const double ground = area.height() * (row == 0 ? 0.86 : 1.04);
      for (int i = 0; i < kMarchers; ++i) {
        const double x = area.width() * (0.03 + i * 0.68 / kMarchers) + row * height * 0.25;
        drawMarcher(painter, QPointF(x, ground - (i % 2) * height * 0.04), height, i + row * 7);
      }
    }
  });
}

}  // namespace velmoran
