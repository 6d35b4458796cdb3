// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/poster_drawing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QtMath>

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

// The size is found by halving the range of sizes: every size tried costs a font engine of its
// own, and trying them one by one slowed the start of the game.
QFont fittingFont(QFont::Weight weight, const QString& text, const QSizeF& box) {
  constexpr int kSmallest = 7;
  QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
  font.setWeight(weight);
  const auto fits = [&](int pixels) {
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(text) <= box.width() && metrics.capHeight() <= box.height();
  };
  int smallest = kSmallest, largest = static_cast<int>(box.height());
  if (largest < smallest) return font;
  while (smallest < largest) {
    const int middle = (smallest + largest + 1) / 2;
    if (fits(middle)) {
      smallest = middle;
    } else {
      largest = middle - 1;
    }
  }
  font.setPixelSize(smallest);
  return font;
}

QPainterPath centredText(const QString& text, const QFont& font, const QRectF& area) {
  const QFontMetricsF metrics(font);
  const double x = area.center().x() - metrics.horizontalAdvance(text) / 2;
  const double baseline = area.center().y() + metrics.capHeight() / 2;
  QPainterPath path;
  path.addText(QPointF(x, baseline), font, text);
  return path;
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
  const QPainterPath path = centredText(text, fittingFont(QFont::Black, text, area.size()), area);

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
