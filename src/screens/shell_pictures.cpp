// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/shell_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

#include "screens/animation_icons.h"
#include "screens/poster_drawing.h"

namespace velmoran {

namespace {

const QColor kGold(242, 196, 64);
const QColor kDarkGold(140, 92, 12);
const QColor kNight(10, 18, 48);

void drawStars(QPainter& painter, const QRectF& area, double size) {
  // Fixed places, so that the picture is the same at every start.
  constexpr std::array<QPointF, 7> kPlaces = {{{0.08, 0.12},
                                               {0.22, 0.30},
                                               {0.90, 0.10},
                                               {0.78, 0.34},
                                               {0.60, 0.08},
                                               {0.95, 0.50},
                                               {0.40, 0.22}}};
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 240, 190, 200));
  for (const QPointF& place : kPlaces) {
    const QPointF centre(area.left() + place.x() * area.width(),
                         area.top() + place.y() * area.height());
    painter.drawPolygon(star(centre, size));
  }
}

// A castle on a hill seen against the sky: towers with battlements and a flag on the keep.
void drawCastle(QPainter& painter, const QRectF& ground) {
  const double w = ground.width();
  const double h = ground.height();
  const double base = ground.bottom();
  QPainterPath hill;
  hill.moveTo(ground.left(), base);
  hill.cubicTo(ground.left() + w * 0.25, base - h * 0.45, ground.left() + w * 0.75, base - h * 0.45,
               ground.right(), base);
  hill.closeSubpath();

  QPainterPath castle;
  castle.setFillRule(Qt::WindingFill);  // the towers overlap the wall
  const double floor = base - h * 0.32;
  const auto tower = [&](double centre, double width, double height) {
    const double left = ground.left() + w * centre - width / 2;
    castle.addRect(QRectF(left, floor - height, width, height + h * 0.1));
    const double merlon = width / 5;
    for (int i = 0; i < 5; i += 2) {
      castle.addRect(QRectF(left + i * merlon, floor - height - merlon, merlon, merlon + 1));
    }
  };
  tower(0.5, w * 0.09, h * 0.62);   // the keep
  tower(0.38, w * 0.07, h * 0.40);  // the side towers
  tower(0.62, w * 0.07, h * 0.40);
  castle.addRect(QRectF(ground.left() + w * 0.38, floor - h * 0.22, w * 0.24, h * 0.3));

  painter.setPen(Qt::NoPen);
  painter.setBrush(kNight);
  painter.drawPath(hill.united(castle));

  const QPointF pole(ground.left() + w * 0.5, floor - h * 0.62 - w * 0.018);
  painter.setPen(QPen(kNight, 1.5));
  painter.drawLine(pole, pole - QPointF(0, h * 0.2));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 30, 30));
  const QPointF top = pole - QPointF(0, h * 0.2);
  painter.drawPolygon(
      QPolygonF{top, top + QPointF(w * 0.07, h * 0.04), top + QPointF(0, h * 0.08)});

  // Lit windows of the keep.
  painter.setBrush(QColor(255, 214, 110));
  for (double y : {0.45, 0.3}) {
    painter.drawRect(QRectF(ground.left() + w * 0.495, floor - h * y, w * 0.01, h * 0.06));
  }
}

void drawFrame(QPainter& painter, const QRectF& area, const QColor& colour) {
  painter.setPen(QPen(colour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(1, 1, -1, -1));
}

}  // namespace

QPixmap splashPicture(QSize size, qreal dpr) {
  return drawnPicture(size, dpr, [](QPainter& painter, const QRectF& area) {
    fillTopDown(painter, area,
                {{0, QColor(16, 30, 84)},
                 {0.5, QColor(70, 60, 140)},
                 {0.8, QColor(230, 120, 60)},
                 {1, QColor(250, 200, 110)}});

    const QRectF land(area.left(), area.height() * 0.45, area.width(), area.height() * 0.43);
    drawRays(painter, QRectF(area.left(), land.top(), area.width(), land.height() * 0.9));
    QRadialGradient dawn(QPointF(area.center().x(), land.bottom()), area.width() * 0.45);
    dawn.setColorAt(0, QColor(255, 236, 170, 150));
    dawn.setColorAt(1, QColor(255, 236, 170, 0));
    painter.fillRect(area, dawn);
    drawStars(painter, QRectF(area.left(), area.top(), area.width(), area.height() * 0.35),
              area.height() * 0.012);

    drawCastle(painter, land);

    drawGoldTitle(
        painter, QStringLiteral("VELMORAN"),
        QRectF(area.width() * 0.1, area.height() * 0.1, area.width() * 0.8, area.height() * 0.16));

    const QRectF strip(area.left(), land.bottom(), area.width(), area.bottom() - land.bottom());
    painter.fillRect(strip, kNight);
    painter.setPen(QPen(kGold, 1));
    painter.drawLine(strip.topLeft(), strip.topRight());
    drawFrame(painter, area, kGold);
  });
}

QPixmap aboutBackground(QSize size, qreal dpr) {
  return drawnPicture(size, dpr, [](QPainter& painter, const QRectF& area) {
    fillTopDown(painter, area, {{0, QColor(24, 52, 120)}, {1, kNight}});
    drawStars(painter, area, area.height() * 0.015);

    const double globeSize = area.height() * 0.5;
    const QRectF globe(area.width() * 0.06, area.height() * 0.08, globeSize, globeSize);
    QRadialGradient halo(globe.center(), globeSize * 0.8);
    halo.setColorAt(0.6, QColor(255, 236, 170, 90));
    halo.setColorAt(1, QColor(255, 236, 170, 0));
    painter.fillRect(area, halo);
    drawGlobe(painter, globe, 30);

    const QRectF title(globe.right() + area.width() * 0.04, globe.top() + globeSize * 0.2,
                       area.right() - globe.right() - area.width() * 0.08, globeSize * 0.3);
    drawGoldTitle(painter, QStringLiteral("VELMORAN"), title);
    painter.setPen(QPen(kGold, 1));
    painter.drawLine(QPointF(title.left(), title.bottom() + 6),
                     QPointF(title.right(), title.bottom() + 6));
    drawFrame(painter, area, kDarkGold);
  });
}

}  // namespace velmoran
