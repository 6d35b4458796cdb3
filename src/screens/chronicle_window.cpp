// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/chronicle_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

#include "screens/chronicle_chart.h"
#include "screens/screen_fonts.h"
#include "screens/text_conversion.h"
#include "screens/window_scale.h"

namespace velmoran {

namespace {

// The columns of the table: what the chart draws, month by month.
const char* const kColumns[] = {"Měsíc",     "Pokladna", "Rozpočet",   "Území",  "Obrana",
                                "Partyzáni", "Bordánie", "Policie",    "Armáda", "Dělníci",
                                "Rolníci",   "Chudina",  "Inteligence"};

std::vector<long long> row(const MonthFigures& f) {
  std::vector<long long> values = {f.month,   f.treasury,  f.budget,  f.territory,
                                   f.defence, f.partisans, f.bordanie};
  values.insert(values.end(), f.popularity.begin(), f.popularity.end());
  return values;
}

}  // namespace

ChronicleWindow::ChronicleWindow(QWidget* parent)
    : QWidget(parent),
      chart_(new ChronicleChart(this)),
      figures_(new QTableWidget(this)),
      lines_(new QListWidget(this)) {
  setObjectName(QStringLiteral("kronika"));
  setWindowTitle(QStringLiteral("Kronika vlády"));
  setFont(screenFont());
  lines_->setObjectName(QStringLiteral("zapisy"));
  lines_->setAccessibleName(QStringLiteral("Co se stalo"));
  lines_->setWordWrap(true);
  chart_->setAccessibleName(QStringLiteral("Graf vlády"));
  chart_->setAccessibleDescription(
      QStringLiteral("Čísla grafu jsou po měsících v tabulce na kartě Čísla po měsících"));
  figures_->setObjectName(QStringLiteral("cisla"));
  figures_->setAccessibleName(QStringLiteral("Čísla po měsících"));
  figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  figures_->verticalHeader()->hide();
  figures_->setColumnCount(int(std::size(kColumns)));
  QStringList headers;
  for (const char* column : kColumns) headers << QString::fromUtf8(column);
  figures_->setHorizontalHeaderLabels(headers);

  auto* views = new QTabWidget(this);
  views->setObjectName(QStringLiteral("pohledy"));
  views->addTab(chart_, QStringLiteral("&Graf"));
  views->addTab(figures_, QStringLiteral("Čísla po &měsících"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(this);
  heading->setObjectName(QStringLiteral("vladce"));
  heading->setFont(sizedFont(10, true));
  layout->addWidget(heading);
  layout->addWidget(views, 3);
  layout->addWidget(lines_, 2);
  setTabOrder(lines_, views);
  lines_->setFocus();
  resize(scaled(QSize(720, 600)));
}

void ChronicleWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void ChronicleWindow::showChronicle(const ReignChronicle& chronicle,
                                    const std::vector<ChronicleLine>& lines) {
  findChild<QLabel*>(QStringLiteral("vladce"))->setText(qtText(chronicleHeading(chronicle)));
  chart_->showFigures(chronicle.figures);
  showFigures(chronicle.figures);
  lines_->clear();
  for (const ChronicleLine& line : lines) {
    lines_->addItem(QStringLiteral("%1. měsíc: %2").arg(line.month).arg(qtText(line.text)));
  }
}

void ChronicleWindow::showFigures(const std::vector<MonthFigures>& figures) {
  figures_->setRowCount(int(figures.size()));
  for (int r = 0; r < int(figures.size()); ++r) {
    const std::vector<long long> values = row(figures[std::size_t(r)]);
    for (int c = 0; c < int(values.size()); ++c) {
      auto* cell = new QTableWidgetItem(QString::number(values[std::size_t(c)]));
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      figures_->setItem(r, c, cell);
    }
  }
  figures_->resizeColumnsToContents();
}

}  // namespace velmoran
