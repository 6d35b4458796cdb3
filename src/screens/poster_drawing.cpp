// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/poster_drawing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace velmoran {

namespace {

constexpr int kRays = 24;

}  // namespace

QPixmap drawnPicture(QSize size, qreal dpr,
                     const std::function<void(QPainter& painter, const QRectF& area)>& paint) {
  QPixmap pixmap(size * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

void fillTopDown(QPainter& painter, const QRectF& area, const QGradientStops& stops) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setStops(stops);
  painter.fillRect(area, gradient);
}

// The outline is made once, at one size, and scaled to the size that fits: every size of a font
// costs a font engine of its own, and trying sizes one by one slowed the start of the game.
QPainterPath fittedText(const QString& text, QFont::Weight weight, const QRectF& area) {
  constexpr int kSmallest = 7;
  constexpr int kMeasured = 100;
  QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
  font.setWeight(weight);
  font.setPixelSize(kMeasured);
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance(text);
  const double capHeight = metrics.capHeight();
  // A whole pixel size, no larger than the height of `area`, as the font of that size would
  // have.
  const double fitting = std::floor(std::min(
      {kMeasured * area.width() / width, kMeasured * area.height() / capHeight, area.height()}));
  const double scale = std::max<double>(fitting, kSmallest) / kMeasured;

  QPainterPath path;
  path.addText(QPointF(0, 0), font, text);
  QTransform placing;
  placing.translate(area.center().x() - width * scale / 2,
                    area.center().y() + capHeight * scale / 2);
  placing.scale(scale, scale);
  return placing.map(path);
}

QPolygonF star(QPointF centre, double outer) {
  QPolygonF points;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? outer : outer * 0.42;
    const double angle = qDegreesToRadians(-90.0 + i * 36.0);
    points << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
  }
  return points;
}

void drawRays(QPainter& painter, const QRectF& area) {
  const QPointF centre = area.center();
  const double reach = area.width();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 22));
  for (int i = 0; i < kRays; i += 2) {
    const double from = qDegreesToRadians(i * 360.0 / kRays);
    const double to = qDegreesToRadians((i + 1) * 360.0 / kRays);
    painter.drawPolygon(QPolygonF{centre, centre + reach * QPointF(qCos(from), qSin(from)),
                                  centre + reach * QPointF(qCos(to), qSin(to))});
  }
}

void drawGoldTitle(QPainter& painter, const QString& text, const QRectF& area) {
  const QColor gold(242, 196, 64);
  const QPainterPath path = fittedText(text, QFont::Black, area);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 110));
  painter.drawPath(path.translated(2, 2));

  QLinearGradient metal(area.topLeft(), area.bottomLeft());
  metal.setColorAt(0, QColor(255, 246, 196));
  metal.setColorAt(0.45, gold);
  metal.setColorAt(0.55, QColor(214, 150, 30));
  metal.setColorAt(1, QColor(255, 214, 110));
  painter.setPen(QPen(QColor(140, 92, 12), 1.2));
  painter.setBrush(metal);
  painter.drawPath(path);
}

}  // namespace velmoran
