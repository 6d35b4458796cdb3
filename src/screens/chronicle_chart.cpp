// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/chronicle_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

#include "screens/screen_colours.h"
#include "screens/window_scale.h"

namespace velmoran {

namespace {

struct Series {
  QString name;
  QColor colour;
  std::function<long long(const MonthFigures&)> value;
};

struct Panel {
  QString title;
  std::vector<Series> series;
};

std::vector<Panel> panels() {
  using F = const MonthFigures&;
  const QColor popularity[] = {QColor(30, 30, 160), QColor(20, 110, 20),   QColor(200, 120, 0),
                               QColor(140, 90, 20), QColor(120, 120, 120), kProfitPurple};
  const char* groups[] = {"policie", "armáda", "dělníci", "rolníci", "chudina", "inteligence"};
  Panel liked{QStringLiteral("Oblíbenost"), {}};
  for (std::size_t i = 0; i < 6; ++i) {
    liked.series.push_back(
        {QString::fromUtf8(groups[i]), popularity[i], [i](F f) { return f.popularity[i]; }});
  }
  return {
      {QStringLiteral("Pokladna a rozpočet ($)"),
       {{QStringLiteral("pokladna"), kRulerBlue, [](F f) { return f.treasury; }},
        {QStringLiteral("rozpočet"), kProfitPurple, [](F f) { return f.budget; }}}},
      {QStringLiteral("Území (%)"),
       {{QStringLiteral("území"), kPopularityGreen, [](F f) { return f.territory; }}}},
      {QStringLiteral("Obrana a nepřátelé"),
       {{QStringLiteral("obrana"), kRulerBlue, [](F f) { return f.defence; }},
        {QStringLiteral("partyzáni"), kPartisanRed, [](F f) { return f.partisans; }},
        {QStringLiteral("Bordánie"), Qt::black, [](F f) { return f.bordanie; }}}},
      liked,
  };
}

void drawPanel(QPainter& p, const QRectF& area, const Panel& panel,
               const std::vector<MonthFigures>& figures) {
  const QFontMetricsF metrics(p.font());
  const qreal line = metrics.height();
  p.setPen(Qt::black);
  p.drawText(area.topLeft() + QPointF(0, metrics.ascent()), panel.title);
  const QRectF plot(area.left() + 6 * metrics.averageCharWidth(), area.top() + 1.3 * line,
                    area.width() - 6 * metrics.averageCharWidth(), area.height() - 2.6 * line);
  p.fillRect(plot, QColor(250, 248, 240));
  p.setPen(QColor(160, 160, 160));
  p.drawRect(plot);
  if (figures.empty()) return;
  long long low = 0, high = 1;
  for (const Series& s : panel.series) {
    for (const MonthFigures& f : figures) {
      low = std::min(low, s.value(f));
      high = std::max(high, s.value(f));
    }
  }
  const long long first = figures.front().month, last = std::max(figures.back().month, first + 1);
  const auto at = [&](long long month, long long value) {
    return QPointF(plot.left() + plot.width() * double(month - first) / double(last - first),
                   plot.bottom() - plot.height() * double(value - low) / double(high - low));
  };
  p.setPen(QColor(90, 90, 90));
  p.drawText(QPointF(area.left(), plot.top() + metrics.ascent()), QString::number(high));
  p.drawText(QPointF(area.left(), plot.bottom()), QString::number(low));
  if (low < 0) p.drawLine(at(first, 0), at(last, 0));
  qreal legend = plot.left();
  for (const Series& s : panel.series) {
    QPainterPath path(at(figures.front().month, s.value(figures.front())));
    for (const MonthFigures& f : figures) path.lineTo(at(f.month, s.value(f)));
    p.setPen(QPen(s.colour, 1.5));
    p.drawPath(path);
    p.drawText(QPointF(legend, plot.bottom() + line), s.name);
    legend += metrics.horizontalAdvance(s.name) + metrics.averageCharWidth() * 2;
  }
}

}  // namespace

ChronicleChart::ChronicleChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("graf"));
  setMinimumSize(scaled(QSize(520, 300)));
}

void ChronicleChart::showFigures(const std::vector<MonthFigures>& figures) {
  figures_ = figures;
  update();
}

void ChronicleChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  const auto all = panels();
  const qreal w = width() / 2.0, h = height() / 2.0, gap = 8;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const QRectF area((i % 2) * w + gap, (i / 2) * h + gap, w - 2 * gap, h - 2 * gap);
    drawPanel(p, area, all[i], figures_);
  }
}

}  // namespace velmoran
