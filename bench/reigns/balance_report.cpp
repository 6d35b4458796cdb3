// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_report.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLogValueAxis>
#include <QPercentBarSeries>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>
#include <sstream>

namespace velmoran {

namespace {

std::vector<long long> sortedMonths(const std::vector<Reign>& reigns) {
  std::vector<long long> months;
  for (const Reign& reign : reigns) months.push_back(reign.months);
  std::sort(months.begin(), months.end());
  return months;
}

long long atShare(const std::vector<long long>& sorted, double share) {
  const auto rank = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[rank];
}

int countOf(const std::vector<Reign>& reigns, Ending ending) {
  return static_cast<int>(std::count_if(reigns.begin(), reigns.end(),
                                        [ending](const Reign& r) { return r.ending == ending; }));
}

QChart* monthsChart(const std::vector<RulerResult>& results) {
  auto* series = new QBoxPlotSeries;
  QStringList rulers;
  for (const RulerResult& result : results) {
    const auto sorted = sortedMonths(result.reigns);
    auto* box = new QBoxSet(QString::fromStdString(result.ruler));
    box->setValue(QBoxSet::LowerExtreme, static_cast<double>(atShare(sorted, 0.05)));
    box->setValue(QBoxSet::LowerQuartile, static_cast<double>(atShare(sorted, 0.25)));
    box->setValue(QBoxSet::Median, static_cast<double>(atShare(sorted, 0.5)));
    box->setValue(QBoxSet::UpperQuartile, static_cast<double>(atShare(sorted, 0.75)));
    box->setValue(QBoxSet::UpperExtreme, static_cast<double>(atShare(sorted, 0.95)));
    series->append(box);
    rulers << QString::fromStdString(result.ruler);
  }
  auto* chart = new QChart;
  chart->addSeries(series);
  chart->setTitle(QStringLiteral("Měsíce vlády (medián, kvartily, 5. a 95. percentil)"));
  auto* axisX = new QBarCategoryAxis;
  axisX->append(rulers);
  auto* axisY = new QLogValueAxis;
  axisY->setBase(10);
  axisY->setLabelFormat(QStringLiteral("%d"));
  axisY->setMin(1);
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  series->attachAxis(axisX);
  series->attachAxis(axisY);
  chart->legend()->hide();
  return chart;
}

// In the order of Ending: bankruptcy grey, Bordánie violet, the partisans and the territory in
// the partisans' reds, the rebellion dark red, suicide black, victory green.
const QColor kEndingColours[] = {QColor(140, 140, 140), QColor(120, 80, 170), QColor(253, 90, 55),
                                 QColor(250, 160, 60),  QColor(150, 20, 30),  QColor(30, 30, 30),
                                 QColor(60, 183, 53),   QColor(200, 220, 240)};

QChart* endingsChart(const std::vector<RulerResult>& results) {
  auto* series = new QPercentBarSeries;
  for (int e = 0; e < kEndingCount; ++e) {
    auto* set = new QBarSet(QString::fromUtf8(endingName(static_cast<Ending>(e))));
    set->setColor(kEndingColours[e]);
    for (const RulerResult& result : results)
      *set << countOf(result.reigns, static_cast<Ending>(e));
    series->append(set);
  }
  QStringList rulers;
  for (const RulerResult& result : results) rulers << QString::fromStdString(result.ruler);
  auto* chart = new QChart;
  chart->addSeries(series);
  chart->setTitle(QStringLiteral("Jak vlády skončily"));
  auto* axisX = new QBarCategoryAxis;
  axisX->append(rulers);
  auto* axisY = new QValueAxis;
  axisY->setLabelFormat(QStringLiteral("%d %%"));
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  series->attachAxis(axisX);
  series->attachAxis(axisY);
  chart->legend()->setAlignment(Qt::AlignRight);
  return chart;
}

}  // namespace

Spread spreadOf(std::vector<Reign> reigns) {
  const auto sorted = sortedMonths(reigns);
  return {atShare(sorted, 0.25), atShare(sorted, 0.5), atShare(sorted, 0.75)};
}

std::string balanceTable(const std::vector<RulerResult>& results) {
  std::ostringstream table;
  table << "| vládce | vlád | 1. kvartil | medián | 3. kvartil | nejdéle |";
  for (int e = 0; e < kEndingCount; ++e) table << ' ' << endingName(static_cast<Ending>(e)) << " |";
  table << "\n|---|---:|---:|---:|---:|---:|";
  for (int e = 0; e < kEndingCount; ++e) table << "---:|";
  table << '\n';
  for (const RulerResult& result : results) {
    const Spread spread = spreadOf(result.reigns);
    table << "| " << result.ruler << " | " << result.reigns.size() << " | " << spread.lower << " | "
          << spread.median << " | " << spread.upper << " | " << sortedMonths(result.reigns).back()
          << " |";
    for (int e = 0; e < kEndingCount; ++e) {
      table << ' ' << countOf(result.reigns, static_cast<Ending>(e)) << " |";
    }
    table << '\n';
  }
  return table.str();
}

bool drawBalance(const std::vector<RulerResult>& results, const QString& pngFile) {
  QWidget page;
  auto* layout = new QHBoxLayout(&page);
  for (QChart* chart : {monthsChart(results), endingsChart(results)}) {
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view);
  }
  page.resize(1200, 480);
  return page.grab().save(pngFile);
}

}  // namespace velmoran
