#include "screens/banner_pictures.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace velmoran {

namespace {

constexpr int kRays = 24;

// The largest font of `family` in which `text` fits into `box` (7 pixels at the least). The
// size is found by halving the range of sizes: every size tried costs a font engine of its
// own, and trying them one by one slowed the start of the game.
QFont fittingFont(const QString& family, QFont::Weight weight, const QString& text,
                  const QSizeF& box) {
  constexpr int kSmallest = 7;
  QFont font(family);
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

// `text` as a path whose capitals are centred in `area`.
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

}  // namespace

QPixmap posterBanner(QSize size, const QString& title) {
  QPixmap pixmap(size);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(24, 52, 120));
  sky.setColorAt(0.55, QColor(38, 86, 176));
  sky.setColorAt(1, QColor(14, 30, 78));
  painter.fillRect(area, sky);
  drawRays(painter, area);

  QRadialGradient glow(area.center(), area.width() / 2);
  glow.setColorAt(0, QColor(255, 236, 170, 70));
  glow.setColorAt(1, QColor(255, 236, 170, 0));
  painter.fillRect(area, glow);

  const QColor gold(242, 196, 64);
  const QColor darkGold(140, 92, 12);
  painter.setPen(QPen(gold, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(2, 2, -3, -3));
  painter.setPen(QPen(QColor(255, 240, 190, 120), 1));
  painter.drawRect(area.adjusted(5, 5, -6, -6));

  const double starSize = area.height() * 0.16;
  painter.setPen(QPen(darkGold, 1));
  painter.setBrush(gold);
  for (double x : {area.left() + area.height() * 0.38, area.right() - area.height() * 0.38}) {
    painter.drawPolygon(star(QPointF(x, area.center().y()), starSize));
  }

  const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  const QRectF textArea = area.adjusted(area.height() * 0.75, area.height() * 0.2,
                                        -area.height() * 0.75, -area.height() * 0.2);
  const QPainterPath text =
      centredText(title, fittingFont(family, QFont::Black, title, textArea.size()), textArea);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 110));
  painter.drawPath(text.translated(2, 2));

  QLinearGradient metal(textArea.topLeft(), textArea.bottomLeft());
  metal.setColorAt(0, QColor(255, 246, 196));
  metal.setColorAt(0.45, gold);
  metal.setColorAt(0.55, QColor(214, 150, 30));
  metal.setColorAt(1, QColor(255, 214, 110));
  painter.setPen(QPen(darkGold, 1.2));
  painter.setBrush(metal);
  painter.drawPath(text);
  return pixmap;
}

QPixmap monthBanner(QSize size) {
  QPixmap pixmap(size);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient cloth(area.topLeft(), area.bottomLeft());
  cloth.setColorAt(0, QColor(160, 16, 16));
  cloth.setColorAt(1, QColor(110, 0, 0));
  painter.fillRect(area, cloth);
  painter.setPen(QPen(QColor(255, 210, 120), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));

  const QString words = QStringLiteral("NOVÝ MĚSÍC");
  const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  const QRectF textArea = area.adjusted(8, 6, -8, -6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(
      centredText(words, fittingFont(family, QFont::Bold, words, textArea.size()), textArea));
  return pixmap;
}

}  // namespace velmoran
