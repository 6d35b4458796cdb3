// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QTableWidget>
#include <QWidget>
#include <vector>

#include "files/chronicle_texts.h"
#include "files/reign_chronicle.h"

namespace velmoran {

class ChronicleChart;

// "Kronika vlády": the chart of a reign, or its figures month by month in a table, and below
// them a line for every month that had a moment worth telling. It only shows: closing it (Esc)
// changes nothing. The lines hold the keyboard first; Tab leads to the chart's and the table's
// tabs.
class ChronicleWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChronicleWindow(QWidget* parent = nullptr);
  void showChronicle(const ReignChronicle& chronicle, const std::vector<ChronicleLine>& lines);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showFigures(const std::vector<MonthFigures>& figures);

  ChronicleChart* chart_;
  QTableWidget* figures_;
  QListWidget* lines_;
};

}  // namespace velmoran
