// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/chronicle_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "screens/chronicle_chart.h"
#include "screens/screen_fonts.h"
#include "screens/text_conversion.h"

namespace velmoran {

ChronicleWindow::ChronicleWindow(QWidget* parent)
    : QWidget(parent), chart_(new ChronicleChart(this)), lines_(new QListWidget(this)) {
  setObjectName(QStringLiteral("kronika"));
  setWindowTitle(QStringLiteral("Kronika vlády"));
  setFont(screenFont());
  lines_->setObjectName(QStringLiteral("zapisy"));
  lines_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(this);
  heading->setObjectName(QStringLiteral("vladce"));
  heading->setFont(sizedFont(10, true));
  layout->addWidget(heading);
  layout->addWidget(chart_, 3);
  layout->addWidget(lines_, 2);
  resize(720, 600);
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
  lines_->clear();
  for (const ChronicleLine& line : lines) {
    lines_->addItem(QStringLiteral("%1. měsíc: %2").arg(line.month).arg(qtText(line.text)));
  }
}

}  // namespace velmoran
