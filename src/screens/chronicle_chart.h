// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "files/reign_chronicle.h"

namespace velmoran {

// The reign in four small charts: the treasury and the budget, the territory, the defence
// against the partisans and Bordánie, and the six popularities. Drawn with QPainter straight
// onto the screen, so it is as sharp as the screen is.
class ChronicleChart : public QWidget {
  Q_OBJECT

 public:
  explicit ChronicleChart(QWidget* parent = nullptr);
  void showFigures(const std::vector<MonthFigures>& figures);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<MonthFigures> figures_;
};

}  // namespace velmoran
