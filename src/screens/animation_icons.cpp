// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/animation_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <array>

namespace velmoran {

namespace {

constexpr double kCentre = kAnimationIconSize / 2.0;
constexpr double kRadius = kAnimationIconSize / 2.0 - 3;
constexpr double kTilt = 20;  // degrees the north pole leans towards the viewer

struct Land {
  double longitude;
  double latitude;
  double size;  // degrees
};

// The continents of the little world, each a rounded blob.
constexpr std::array<Land, 5> kLands = {{
    {10, 40, 26},
    {40, -10, 22},
    {150, 30, 30},
    {250, 45, 24},
    {290, -20, 20},
}};

struct Projected {
  QPointF point;
  bool front;
};

Projected project(double longitude, double latitude, double turn) {
  const double lon = qDegreesToRadians(longitude + turn);
  const double lat = qDegreesToRadians(latitude);
  const double tilt = qDegreesToRadians(kTilt);
  const double x = qCos(lat) * qSin(lon);
  const double y = qSin(lat);
  const double z = qCos(lat) * qCos(lon);
  const double yTilted = y * qCos(tilt) - z * qSin(tilt);
  const double zTilted = y * qSin(tilt) + z * qCos(tilt);
  QPointF point(x, yTilted);
  if (zTilted < 0) {
    // Behind the globe: pressed onto its rim, so a continent half round the edge keeps its
    // outline.
    const double length = std::hypot(x, yTilted);
    if (length > 0) point /= length;
  }
  return {QPointF(kCentre + kRadius * point.x(), kCentre - kRadius * point.y()), zTilted >= 0};
}

void drawLand(QPainter& painter, const Land& land, double turn) {
  QPolygonF outline;
  bool anyInFront = false;
  constexpr int kPoints = 24;
  for (int i = 0; i < kPoints; ++i) {
    const double angle = i * 2 * M_PI / kPoints;
    // A wobble of the rim makes the blob look like a coast.
    const double reach = land.size * (1 + 0.18 * qSin(3 * angle + land.longitude));
    const double latitude = land.latitude + reach * qSin(angle);
    const double longitude =
        land.longitude + reach * qCos(angle) / qCos(qDegreesToRadians(latitude));
    const Projected p = project(longitude, latitude, turn);
    anyInFront = anyInFront || p.front;
    outline << p.point;
  }
  if (!anyInFront) return;
  // Pressed onto the rim, a coast may stick out of the globe by its wobble: only what lies on
  // the globe is land.
  QPainterPath globe;
  globe.addEllipse(QPointF(kCentre, kCentre), kRadius, kRadius);
  QPainterPath coast;
  coast.addPolygon(outline);
  coast.closeSubpath();
  painter.drawPath(coast.intersected(globe));
}

}  // namespace

void drawGlobe(QPainter& painter, const QRectF& square, double turn) {
  painter.save();
  painter.translate(square.topLeft());
  painter.scale(square.width() / kAnimationIconSize, square.height() / kAnimationIconSize);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(kCentre, kCentre);

  QRadialGradient sea(centre - QPointF(kRadius / 3, kRadius / 3), kRadius * 1.4);
  sea.setColorAt(0, QColor(120, 190, 255));
  sea.setColorAt(0.6, QColor(40, 110, 210));
  sea.setColorAt(1, QColor(12, 40, 110));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sea);
  painter.drawEllipse(centre, kRadius, kRadius);

  painter.setBrush(QColor(70, 170, 70));
  painter.setPen(QPen(QColor(30, 100, 40), 0.8));
  for (const Land& land : kLands) drawLand(painter, land, turn);

  // Meridians every 45 degrees turn with the land.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 60), 0.7));
  for (int meridian = 0; meridian < 360; meridian += 45) {
    Projected previous = project(meridian, -90, turn);
    for (int latitude = -80; latitude <= 90; latitude += 10) {
      const Projected next = project(meridian, latitude, turn);
      if (previous.front && next.front) painter.drawLine(previous.point, next.point);
      previous = next;
    }
  }

  QRadialGradient shine(centre - QPointF(kRadius / 2.5, kRadius / 2.5), kRadius * 0.7);
  shine.setColorAt(0, QColor(255, 255, 255, 120));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setPen(QPen(QColor(8, 24, 70), 1.2));
  painter.setBrush(shine);
  painter.drawEllipse(centre, kRadius, kRadius);
  painter.restore();
}

QPixmap animationFrame(int frame) {
  QPixmap pixmap(kAnimationIconSize, kAnimationIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  drawGlobe(painter, QRectF(0, 0, kAnimationIconSize, kAnimationIconSize),
            frame * 360.0 / kAnimationFrames);
  return pixmap;
}

}  // namespace velmoran
